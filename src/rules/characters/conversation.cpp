#include "conversation.h"

#include "afterlife.h"
#include "blacksmith.h"
#include "carriedItems.h"
#include "fae.h"
#include "portsInUse.h"
#include "presence.h"
#include "prompts.h"
#include "queens.h"
#include "recordLimits.h"
#include "roomView.h"
#include "shop.h"
#include "soundEffect.h"
#include "standing.h"
#include "text.h"
#include "worldIds.h"

// ---- Who is here ----

int findCharacterNamed(const GameState* state, const char* noun)
{
    const Character* found = findCharacterHere(state, [noun](const Character& character) {
        return strcmpi(character.name, noun) == 0 || strcmpi(character.species, noun) == 0;
    });
    return found ? slotOf(state, *found) : -1;
}

int findFirstCharacterHere(const GameState* state)
{
    const Character* found = findCharacterHere(state, [](const Character&) { return true; });
    return found ? slotOf(state, *found) : -1;
}

bool meansSelf(const char* noun) { return isOneOf(noun, {"self", "myself", "yourself"}); }

const char* possessivePronoun(int sex)
{
    return sex == SEX_MALE ? "his" : sex == SEX_FEMALE ? "her" : "their";
}

void coolTempers(GameState* state)
{
    for (Character& character : state->characters) {
        bool neverCalms = character.kind == KIND_MONSTER || character.kind == KIND_BLACK_QUEEN;
        if (character.cooldown > 0 && !neverCalms) character.cooldown--;
        if (character.cooldown < 0) character.cooldown = 0;
        if (character.cooldown == 0 && character.hostile) character.hostile = false;
    }
}

// ---- Conversation and gestures ----

namespace {

const char* bandLine(const Character& character, StandingBand band)
{
    switch (band) {
    case BAND_GOOD: return character.dialogueGood;
    case BAND_BAD: return character.dialogueBad;
    case BAND_NEUTRAL: break;
    }
    return character.dialogueNeutral;
}

const char* friendlyGreeting(StandingBand band)
{
    switch (band) {
    case BAND_GOOD: return "happily greets you";
    case BAND_BAD: return "begrudgingly acknowledges you";
    case BAND_NEUTRAL: break;
    }
    return "greets you";
}

void speakAsMonster(const Character& monster, StandingBand band)
{
    out("%s the %s grumbles and says:\n", monster.name, monster.species);
    out("\"%s\"\n", bandLine(monster, band));
}

void speakAsFriend(const Character& friendly, StandingBand band)
{
    out("%s the %s %s and says:\n", friendly.name, friendly.species, friendlyGreeting(band));
    out("\"%s\"\n", bandLine(friendly, band));
}

// Animals don't speak; their lines say what they do.
void reactAsAnimal(const Character& animal, StandingBand band)
{
    out("%s\n", bandLine(animal, band));
}

// ---- Hugs ----

void hugGod(const GameState* state, StandingBand band)
{
    switch (band) {
    case BAND_GOOD:
        out("God giggles softly with a gentle blush. \"You always were My favourite...\"\n");
        playEffect(state, "giggle");
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

void talkToCharacter(GameState* state, const char* noun)
{
    // A bare "talk" speaks to whoever comes first here, dead or alive.
    int id = noun[0] == '\0' ? findFirstCharacterHere(state) : findCharacterNamed(state, noun);
    if (id < 0) {
        out("There is nobody here!\n");
        return;
    }
    Character* character = &state->characters[id];
    if (!character->alive) {
        out("The corpse of %s the %s is unresponsive...\n", character->name, character->species);
        return;
    }
    if (character->hostile) {
        out("%s the %s isn't in the mood to talk!\n", character->name, character->species);
        return;
    }

    int standing = calculateTrustScore(state);
    StandingBand band = standingBand(standing);
    switch (character->kind) {
    case KIND_MERCHANT: talkToMerchant(state, &state->player, character); break;
    case KIND_MONSTER: speakAsMonster(*character, band); break;
    case KIND_FRIENDLY: speakAsFriend(*character, band); break;
    case KIND_STATUE: out("You can't talk to a statue!\n"); break;
    case KIND_ANIMAL: reactAsAnimal(*character, band); break;
    case KIND_BLACKSMITH: talkToBlacksmith(state, &state->player, character); break;
    case KIND_FAE: talkToFae(state, &state->player, character, standing); break;
    case KIND_GOD: reviveByGod(state, standing); break;
    case KIND_DEVIL: reviveByDevil(state); break;
    case KIND_BLACK_QUEEN: confrontBlackQueen(character); break;
    case KIND_WHITE_QUEEN: meetWhiteQueen(state, standing); break;
    default: out("The %s is unresponsive for some reason.\n", character->species); break;
    }
}

void lookAtCharacter(const GameState* state, const char* noun)
{
    if (meansSelf(noun)) {
        out("You take a long, hard look at yourself.\n");
        return;
    }
    int id = findCharacterNamed(state, noun);
    if (id < 0)
        out("You can't look at that!\n");
    else
        out("%s\n", state->characters[id].description);
}

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
    case KIND_GOD: hugGod(state, band); break;
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
