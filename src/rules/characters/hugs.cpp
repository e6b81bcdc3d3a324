// Hugging: most characters return a hug or refuse it; God and the Devil each
// answer in their own way.
#include "hugs.h"

#include "conversation.h"
#include "portsInUse.h"
#include "prompts.h"
#include "standing.h"

namespace {

void hugGod(StandingBand band)
{
    switch (band) {
    case BAND_GOOD:
        out("God giggles softly with a gentle blush. \"You always were My favourite...\"\n");
        playSound("giggle");
        break;
    case BAND_NEUTRAL:
        out("God stares at you in surprise, blushing softly. \"...you're bold.\"\n");
        break;
    case BAND_BAD:
        out("God glares at you softly. \"I don't know what you want from Me...\"\n");
        break;
    }
}

void hugDevil(const GameState* state)
{
    if (state->faeState == FAE_GAVE_GOLD)
        out("The Devil sighs, lips curling into a smirk. \"Of all the damned souls, I get the "
            "clingy one...\"\n");
    else
        out("The Devil turns a brighter shade of red, somehow. \"Wh-what are you doing...?!\"\n");
}

} // namespace

void hugCharacter(GameState* state, const char* noun)
{
    char answer[ANSWER_SIZE];
    noun = nounOrAnswer(noun, "Who do you want to do that to?\n", answer);
    if (meansSelf(noun)) {
        out("I've heard of loving oneself before, but this is ridiculous...!\n");
        return;
    }
    int id = findCharacterNamed(state, noun);
    if (id < 0) {
        out("There is nobody here!\n");
        return;
    }
    const Character& character = state->characters[id];
    if (!character.alive) {
        out("You can't do that to a corpse...!\n");
        return;
    }
    if (character.hostile) {
        out("%s isn't in the mood for that!\n", character.name);
        return;
    }

    StandingBand band = standingBand(calculateTrustScore(state));
    switch (character.kind) {
    case KIND_STATUE:
        out("The %s remains immobile and doesn't respond.\n", character.species);
        break;
    case KIND_ANIMAL:
        out("%s the %s blinks at you in utter confusion.\n", character.name, character.species);
        break;
    case KIND_GOD: hugGod(band); break;
    case KIND_DEVIL: hugDevil(state); break;
    default:
        if (character.huggable)
            out("%s the %s smiles warmly and returns the gesture.\n", character.name,
                character.species);
        else
            out("I don't think %s the %s would agree with you.\n", character.name,
                character.species);
        break;
    }
}
