// The characters as the player meets them: finding who is here, tempers
// cooling turn by turn, talking to them and looking at them. Talking hands
// the merchants, the blacksmith, the fae, God, the Devil and the queens over
// to their own files.
#include "conversation.h"

#include "afterlife.h"
#include "blacksmith.h"
#include "fae.h"
#include "portsInUse.h"
#include "presence.h"
#include "queens.h"
#include "shop.h"
#include "standing.h"
#include "text.h"
#include "vocabulary.h"

// ---- Who is here ----

int findCharacterNamed(const GameState* state, const char* noun)
{
    const Character* found = findCharacterHere(state, [noun](const Character& character) {
        return strcmpi(character.name, noun) == 0 || strcmpi(character.species, noun) == 0;
    });
    return found ? slotOf(state, *found) : -1;
}

bool meansSelf(const char* noun) { return isOneOf(noun, vocabulary::ONESELF); }

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

// ---- Talking and looking ----

namespace {

// The first character here at all (a bare "talk"), or -1.
int findFirstCharacterHere(const GameState* state)
{
    const Character* found = findCharacterHere(state, [](const Character&) { return true; });
    return found ? slotOf(state, *found) : -1;
}

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
    case KIND_BLACKSMITH: talkToBlacksmith(&state->player, character); break;
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
