// The fae, who asks the player for their name: a soul that gives it away
// becomes Nameless, and the fae leaves once it has had its way.
#include "fae.h"

#include "portsInUse.h"
#include "prompts.h"
#include "recordLimits.h"
#include "standing.h"
#include "text.h"
#include "worldIds.h"

namespace {

constexpr int NAME_PRICE_IN_TRUST = 5; // what each soul thinks less of a nameless player
constexpr int FAE_GIFT_GOLD = 25;

void faeOpening(StandingBand band)
{
    switch (band) {
    case BAND_GOOD: out("\"You glow, little ember. That name of yours? Keep it close.\"\n"); break;
    case BAND_NEUTRAL:
        out("\"Ah...one of the wandering kind. Curious eyes, curious heart.\"\n");
        out("\"May I know who you are, before we deal?\"\n");
        break;
    case BAND_BAD:
        out("\"So much shadow in you...I can almost hear it.\"\n");
        out("\"Let me have your name. Just your name. No more, no less.\"\n");
        break;
    }
}

// A name given away is gone: the world thinks less of someone without one.
void surrenderName(GameState* state)
{
    for (Character& character : state->characters)
        if (character.kind != KIND_STATUE) changeTrust(&character, -NAME_PRICE_IN_TRUST);
    copyText(state->player.name, sizeof state->player.name, "Nameless");
    state->faeState = FAE_TOOK_NAME;
}

void faeHearsName(GameState* state, StandingBand band)
{
    switch (band) {
    case BAND_GOOD: out("\"Names are precious. I want not yours, little ember.\"\n"); return;
    case BAND_NEUTRAL: out("\"A fine name. Worn, but warm.\"\n"); break;
    case BAND_BAD: out("\"Delicious. A name most sumptuous.\"\n"); break;
    }
    surrenderName(state);
}

void faeHearsOtherwise(GameState* state, const Character* fae, StandingBand band)
{
    switch (band) {
    case BAND_GOOD:
        out("\"Names are precious. I ask not for yours. But...I do offer this.\"\n");
        out("The %s reaches out and hands you some gold...\n", fae->species);
        addGold(state->player.gold, FAE_GIFT_GOLD);
        state->faeState = FAE_GAVE_GOLD;
        break;
    case BAND_NEUTRAL: out("\"Mm. Perhaps another time, traveller...\"\n"); break;
    case BAND_BAD:
        out("\"Then you get nothing. But we will meet again...\"\n");
        state->faeState = FAE_REFUSED;
        break;
    }
}

} // namespace

void talkToFae(GameState* state, Character* player, Character* fae, int standing)
{
    StandingBand band = standingBand(standing);
    out("The %s greets you and says:\n", fae->species);
    faeOpening(band);
    out("(Tell it your name...?)\n");

    char answer[ANSWER_SIZE];
    getInput(answer, sizeof answer);
    if (strcmpi(answer, player->name) == 0)
        faeHearsName(state, band);
    else
        faeHearsOtherwise(state, fae, band);

    // Once it has had its way, one way or another, the fae is gone for good.
    if (state->faeState > FAE_SUMMONED) {
        out("The %s suddenly vanishes without a trace...\n", fae->species);
        fae->locationId = LOC_NOWHERE;
        playSound("whispers");
    }
}
