#include "itemsInUse.h"

#include "carriedItems.h"
#include "characterSheet.h"
#include "characterTable.h"
#include "items.h"
#include "portsInUse.h"
#include "presence.h"
#include "roomView.h"
#include "travel.h"

namespace {

Location& currentPlace(GameState* state) { return state->locations[state->player.locationId]; }

// Each use below answers whether the item then wears.

bool drinkPotion(GameState* state, Item* potion)
{
    out("Drank the %s. Restored %d HP.\n", potion->name, potion->power);
    state->player.hp += potion->power;
    hpBounds(&state->player);
    playSound("drink");
    return true;
}

// A key is only ever tried in the first locked door of the place.
int firstLockedWay(const Location& place)
{
    for (int dir = 0; dir < NUM_DIRECTIONS; ++dir)
        if (place.exitLocks[dir] == WAY_LOCKED) return dir;
    return -1;
}

bool turnKey(GameState* state, Item* key)
{
    Location& here = currentPlace(state);
    int dir = firstLockedWay(here);
    if (dir < 0) {
        out("No locked doors here!\n");
        return true;
    }
    if (here.exitKeys[dir] != key->power) {
        out("The %s doesn't fit in there!\n", key->name);
        return false;
    }
    here.exitLocks[dir] = WAY_OPEN;
    out("Unlocked the door with the %s.\n", key->name);
    emptySlot(state, key);
    playSound("unlock");
    return false;
}

void playNothing() { out("...nothing happens.\n"); }

bool playFlute(GameState* state, const Item* flute)
{
    out("You play the %s...\n", flute->name);
    playSound("flute");
    if (state->player.locationId != flute->power) {
        playNothing();
        return true;
    }
    // The fae answer only the first call, and wait below in the depths.
    if (state->faeState == FAE_UNMET) {
        state->characters[CHARACTER_FAE].locationId = LOC_CAVERNOUS_DEPTHS;
        state->faeState = FAE_SUMMONED;
    }
    out("...the forest echoes with laughter.\n");
    playSound("laughter");
    return true;
}

// The first hostile monster standing here, or nullptr. The dead are past calming.
Character* hostileMonsterHere(GameState* state)
{
    return findCharacterHere(state, [](const Character& character) {
        return character.kind == KIND_MONSTER && character.hostile && character.alive;
    });
}

void playToTheStars(GameState* state)
{
    out("...the stars above twinkle beautifully.\n");
    playSound("twinkle");
    Location& here = currentPlace(state);
    // The Moon's Tear falls once a journey, and only where there is room for it.
    if (state->starGiftFallen || here.item.id != 0) return;
    here.item = state->items[ITEM_MOONS_TEAR];
    state->starGiftFallen = true;
    out("Something seems to fall from the sky...!\n");
}

bool playLyre(GameState* state, const Item* lyre)
{
    out("You play the %s...\n", lyre->name);
    playSound("lyre");
    if (state->player.locationId == lyre->power) {
        playToTheStars(state);
        return false;
    }
    Character* monster = hostileMonsterHere(state);
    if (monster == nullptr) {
        playNothing();
        return true;
    }
    monster->hostile = false;
    monster->cooldown = 0;
    out("The sound of the %s seems to calm %s the %s down...!\n", lyre->name, monster->name,
        monster->species);
    return false;
}

bool playInstrument(GameState* state, const Item* instrument)
{
    if (instrument->subtype == INSTRUMENT_FLUTE) return playFlute(state, instrument);
    if (instrument->subtype == INSTRUMENT_LYRE) return playLyre(state, instrument);
    out("You play the %s...\n", instrument->name);
    playNothing();
    return true;
}

void kindleLight(GameState* state, const Item* light)
{
    currentPlace(state).isLit = true;
    state->lightTurns = light->power;
    out("You light the %s, and the area comes into view...\n", light->name);
    playSound("light");
    lookAround(state);
}

// The lowest carried flask of lamp oil, or -1.
int findLampOil(const Character& player)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        const Item& item = player.inventory[slot];
        if (item.id > 0 && item.type == ITEM_LIGHT && item.subtype == LIGHT_LAMP_OIL) return slot;
    }
    return -1;
}

bool fillLantern(GameState* state, const Item* lantern)
{
    int oilSlot = findLampOil(state->player);
    if (oilSlot < 0) {
        out("Your %s is empty...!\n", lantern->name);
        return false;
    }
    Item& oil = state->player.inventory[oilSlot];
    out("You pour the %s into the %s.\n", oil.name, lantern->name);
    emptySlot(state, &oil);
    kindleLight(state, lantern);
    return true;
}

bool useLight(GameState* state, const Item* light)
{
    if (currentPlace(state).isLit) {
        out("This area is already lit!\n");
        return false;
    }
    if (light->subtype == LIGHT_LAMP_OIL) {
        out("You must pour this into a Lantern first!\n");
        return false;
    }
    if (light->subtype == LIGHT_LANTERN) return fillLantern(state, light);
    kindleLight(state, light);
    return true;
}

bool applyItem(GameState* state, Item* item)
{
    switch (item->type) {
    case ITEM_WEAPON:
    case ITEM_ARMOUR:
    case ITEM_ACCESSORY: out("You must equip the %s first!\n", item->name); return false;
    case ITEM_POTION: return drinkPotion(state, item);
    case ITEM_KEY: return turnKey(state, item);
    case ITEM_INSTRUMENT: return playInstrument(state, item);
    case ITEM_LIGHT: return useLight(state, item);
    default: out("Can't use that item!\n"); return true;
    }
}

void examine(const Item& item)
{
    out("You examine the %s...\n", item.name);
    out("%s\n", item.description);
}

} // namespace

void useItem(GameState* state, const char* noun)
{
    Item* item =
        askForItemToPartWith(state, noun, "Can't use that here...!\n", "Use which item?\n");
    if (item != nullptr && applyItem(state, item)) wearDownItem(state, item, Breaking::Quietly);
}

void lookAtItem(const GameState* state, const char* noun)
{
    const Character& player = state->player;
    if (itemIsHere(state, noun)) {
        examine(state->locations[player.locationId].item);
        return;
    }
    int slot = carriesNothing(&player) ? -1 : findCarriedItem(&player, noun);
    if (slot < 0) {
        out("You can't look at that!\n");
        return;
    }
    examine(player.inventory[slot]);
}
