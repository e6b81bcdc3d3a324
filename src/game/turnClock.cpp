#include "turnClock.h"

#include "characterSheet.h"
#include "conversation.h"
#include "light.h"
#include "portsInUse.h"
#include "recordLimits.h"
#include "worldIds.h"

namespace {
constexpr const char* DAYS_COLOUR = "\033[33m";
constexpr const char* HOURS_COLOUR = "\033[36m";
constexpr const char* MINUTES_COLOUR = "\033[35m";
constexpr const char* RESET = "\033[0m";

// On the hour, while the Black Queen lives, the player hears that she is
// watching; once each hour, and not in her own mansion.
void checkBlackQueenWatch(const GameState* state, int& lastNotice)
{
    int minutes = state->minutesPassed;
    if (state->blackQueenSlain || minutes <= 0 || minutes % 60 != 0) return;
    if (minutes == lastNotice || state->player.locationId == LOC_SCARLET_MANSION) return;
    out("The Black Queen is watching...\n");
    lastNotice = minutes;
}

} // namespace

void applyTurnEffects(GameState* state, int& lastNotice)
{
    state->minutesPassed = boundedSum(state->minutesPassed, 1);
    recalculateStats(&state->player);
    for (Character& character : state->characters)
        recalculateStats(&character);
    hpBounds(&state->player);
    coolTempers(state);
    burnLight(state);
    checkBlackQueenWatch(state, lastNotice);
}

void showTimePassed(const GameState* state)
{
    int minutes = state->minutesPassed;
    int hours = minutes / 60;
    int days = hours / 24;
    if (days >= 1) {
        out("%s%d day(s)%s, %s%d hour(s)%s, and %s%d minute(s)%s have passed thus far.\n",
            DAYS_COLOUR, days, RESET, HOURS_COLOUR, hours % 24, RESET, MINUTES_COLOUR, minutes % 60,
            RESET);
    } else if (hours >= 1) {
        out("%s%d hour(s)%s and %s%d minute(s)%s have passed thus far.\n", HOURS_COLOUR, hours,
            RESET, MINUTES_COLOUR, minutes % 60, RESET);
    } else {
        out("%s%d minute(s)%s have passed thus far.\n", MINUTES_COLOUR, minutes, RESET);
    }
}
