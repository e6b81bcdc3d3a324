#include "standing.h"

#include <climits>

#include "presence.h"

namespace {

struct StandingTitle {
    int lowest; // the least standing that earns the title
    const char* title;
    const char* colour;
    StandingBand band;
};

// From the highest standing down; the last row takes everything below.
constexpr StandingTitle TITLES[] = {
    {250, "Honoured Wanderer", "\033[92m", BAND_GOOD},
    {125, "Reliable Ally", "\033[32m", BAND_NEUTRAL},
    {0, "Ambiguous Stranger", "\033[37m", BAND_NEUTRAL},
    {-125, "Feared Outcast", "\033[33m", BAND_NEUTRAL},
    {INT_MIN, "Cursed Wretch", "\033[31m", BAND_BAD},
};

const StandingTitle& titleFor(int standing)
{
    for (const StandingTitle& row : TITLES)
        if (standing >= row.lowest) return row;
    return TITLES[std::size(TITLES) - 1];
}

} // namespace

int calculateTrustScore(const GameState* state)
{
    int standing = 0;
    for (const Character& character : cast(state))
        standing += character.trust;
    return standing;
}

StandingBand standingBand(int standing) { return titleFor(standing).band; }
const char* getAlignment(int standing) { return titleFor(standing).title; }
const char* getAlignmentColor(int standing) { return titleFor(standing).colour; }
