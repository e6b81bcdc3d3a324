#include "fight.h"

#include "carriedItems.h"
#include "conversation.h"
#include "portsInUse.h"
#include "prompts.h"
#include "recordLimits.h"
#include "standing.h"
#include "text.h"
#include "vocabulary.h"
#include "worldIds.h"

namespace {

// A blow misses when its roll is divisible by this: four blows in five land.
constexpr int MISS_EVERY = 5;
// Each landed blow keeps the victim angry for this many more turns.
constexpr int WOUND_COOLDOWN = 3;

bool isDivine(const Character* character)
{
    return character->kind == KIND_GOD || character->kind == KIND_DEVIL;
}

bool rollHits() { return gameRandom() % MISS_EVERY != 0; }

// Damage runs from 1 up to the attack-defence gap (never below 1, so a hopeless
// fight still chips away, and the gap is never zero to divide by).
int rollDamage(const Character* striker, const Character* target)
{
    int base = striker->atk - target->def;
    if (base < 1) base = 1;
    int damage = gameRandom() % base;
    return damage < 1 ? 1 : damage;
}

bool confirmAttack(Character* defender)
{
    out("%s is not hostile! Attack anyway?\n", defender->name);
    char answer[ANSWER_SIZE];
    getInput(answer, sizeof answer);
    if (isOneOf(answer, vocabulary::YES)) return true;
    out("You decide not to attack %s.\n", defender->name);
    return false;
}

// A peaceful character remembers the betrayal: trust falls, and it stays
// angry longer the less it thinks of the player.
void turnHostile(Character* defender, int standing)
{
    defender->hostile = true;
    if (standingBand(standing) == BAND_GOOD)
        changeTrust(defender, -20);
    else if (defender->trust > 124)
        changeTrust(defender, -15);
    else
        changeTrust(defender, -10);

    if (defender->trust < -74)
        defender->cooldown = 20;
    else if (defender->trust < -49)
        defender->cooldown = 15;
    else
        defender->cooldown = 10;

    if (defender->kind == KIND_ANIMAL)
        out(standingBand(standing) == BAND_BAD ? "(Of course you did...)\n"
                                               : "(It did nothing to you...)\n");
}

// The player's swing. True when it fells the defender.
bool playerStrikes(GameState* state, Character* attacker, Character* defender)
{
    Item* weapon = &attacker->inventory[SLOT_WEAPON];
    if (weapon->subtype >= WEAPON_BLADE && weapon->subtype <= WEAPON_SCYTHE)
        out("%s swings the %s at %s...", attacker->name, weapon->name, defender->name);
    else
        out("%s attacks %s...", attacker->name, defender->name);

    if (!rollHits()) {
        out("and misses!\n");
        return false;
    }
    int damage = rollDamage(attacker, defender);
    defender->hp = boundedSum(defender->hp, -damage);
    defender->cooldown = boundedSum(defender->cooldown, WOUND_COOLDOWN);
    out("%d damage!\n", damage);
    wearDownItem(state, weapon, Breaking::Announced);
    return defender->hp <= 0;
}

void dropLoot(GameState* state, Character* defender)
{
    Location* place = &state->locations[defender->locationId];
    if (defender->gold > 0) {
        int dropped = gameRandom() % defender->gold;
        if (dropped > 0) {
            out("Dropped %d gold!\n", dropped);
            addGold(place->gold, dropped);
        }
    }
    Item* carried = &defender->inventory[gameRandom() % NUM_CARRIED];
    if (carried->id > 0 && place->item.id == 0) {
        out("Dropped %s!\n", carried->name);
        place->item = *carried;
        emptySlot(state, carried);
    }
}

// Her fall is the victory: the corpse fades and the castle's east way opens
// onto the Pale Garden.
void vanquishBlackQueen(GameState* state, Character* queen)
{
    out("You have vanquished the Black Queen! You are victorious...?\n");
    queen->locationId = LOC_NOWHERE;
    out("The corpse of the Black Queen vanishes...!\n");
    state->blackQueenSlain = true;
    out("You swear you hear a faint laughter echoing...\n");
    playSound("bqlaugh");
    state->locations[LOC_OLD_CASTLE].exitLocks[DIR_EAST] = WAY_OPEN;
}

void defenderDies(GameState* state, Character* attacker, Character* defender)
{
    const Item& weapon = attacker->inventory[SLOT_WEAPON];
    if (weapon.id > 0) {
        out("%s perishes to %s and ", defender->name, attacker->name);
        out("%s %s!\n", possessivePronoun(attacker->sex), weapon.name);
    } else {
        out("%s perishes to %s!\n", defender->name, attacker->name);
    }
    dropLoot(state, defender);
    out("%s drops to the ground...\n", defender->name);
    defender->alive = false;
    if (defender->kind == KIND_BLACK_QUEEN) vanquishBlackQueen(state, defender);
}

// A fall in a fight sends the player to the Heavenly or the Infernal Realm by their
// standing, stripped of what they wore and of half their gold; a blow from God or the
// Devil shatters the soul and ends the journey.
Ending playerDeath(GameState* state, Character* player, const Character* killer, int standing)
{
    if (isDivine(killer)) {
        out("Your very soul shatters...!\n");
        return Ending::SoulShattered;
    }
    out("You fall to the ground...\n");
    player->hp = 1;
    emptySlot(state, &player->inventory[SLOT_WEAPON]);
    emptySlot(state, &player->inventory[SLOT_ARMOUR]);
    emptySlot(state, &player->inventory[SLOT_ACCESSORY]);
    if (player->gold > 0) player->gold /= 2;
    out("...and awaken elsewhere...?\n");
    player->locationId = standingBand(standing) == BAND_BAD ? LOC_HELL : LOC_HEAVEN;
    return Ending::None;
}

Ending counterBlow(GameState* state, Character* attacker, Character* defender, int standing)
{
    const Item& weapon = defender->inventory[SLOT_WEAPON];
    if (weapon.id >= 1)
        out("%s strikes back with the %s...", defender->name, weapon.name);
    else
        out("%s strikes back...", defender->name);

    // God and the Devil never miss.
    if (!isDivine(defender) && !rollHits()) {
        out("and misses!\n");
        return Ending::None;
    }
    int damage = rollDamage(defender, attacker);
    attacker->hp = boundedSum(attacker->hp, -damage);
    out("%d damage!\n", damage);
    wearDownItem(state, &attacker->inventory[SLOT_ARMOUR], Breaking::Announced);
    if (attacker->hp > 0) return Ending::None;
    return playerDeath(state, attacker, defender, standing);
}

// One exchange of blows: the player strikes, and a defender left standing strikes back.
Ending combat(GameState* state, Character* attacker, Character* defender)
{
    int standing = calculateTrustScore(state);
    if (!defender->hostile) {
        if (!confirmAttack(defender)) return Ending::None;
        turnHostile(defender, standing);
    }
    if (playerStrikes(state, attacker, defender)) {
        defenderDies(state, attacker, defender);
        return Ending::None;
    }
    return counterBlow(state, attacker, defender, standing);
}

} // namespace

Ending attackCharacter(GameState* state, const char* noun)
{
    char asked[ANSWER_SIZE];
    noun = nounOrAnswer(noun, "Attack what?\n", asked);
    if (meansSelf(noun)) {
        out("Self-harm is not the answer, %s.\n", state->player.name);
        return Ending::None;
    }
    if (isOneOf(noun, vocabulary::NARRATOR)) {
        out("Hey, watch it! Don't go attacking me, %s!\n", state->player.name);
        return Ending::None;
    }
    int index = findCharacterNamed(state, noun);
    if (index < 0) {
        out("You can't attack that!\n");
        return Ending::None;
    }
    Character* target = &state->characters[index];
    if (target->kind == KIND_STATUE) {
        out("You can't attack a statue!\n");
        return Ending::None;
    }
    if (!target->alive) {
        out("You can't attack a corpse!\n");
        return Ending::None;
    }
    return combat(state, &state->player, target);
}
