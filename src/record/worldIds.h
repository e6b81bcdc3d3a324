// Every place, item and character of the world by name. Each name is the row's index in its
// table and the id the record stores, so the order here is the order of the tables.
#pragma once

#include <cstdint>

#include "gameState.h"

enum LocationId : int32_t {
    LOC_NOWHERE = -1, // no way that direction; or a character out of the world
    LOC_VILLAGE,      // Peaceful Village, where every journey starts
    LOC_MAGIC_FOREST,
    LOC_OLD_CASTLE,
    LOC_QUIET_BEACH,
    LOC_ROCKY_CLIFF,
    LOC_DEEP_VALLEY,
    LOC_TWISTED_TOWER,
    LOC_SMALL_CAVE,
    LOC_LITTLE_HOUSE,
    LOC_CASTLE_DUNGEON,
    LOC_MYSTERIOUS_LIBRARY,
    LOC_TOWN_MARKET,
    LOC_TOWER_ROOF,
    LOC_STAIRCASE,
    LOC_DUSTY_DESERT,
    LOC_OLD_CELLAR,
    LOC_SMALL_GARDEN,
    LOC_MIRROR_MOUNTAIN,
    LOC_CRYSTAL_MINES,
    LOC_MOUNTAIN_SUMMIT,
    LOC_HEAVEN, // the Heavenly Realm
    LOC_MISTY_LAKE,
    LOC_SCARLET_MANSION,
    LOC_ICE_CAVERN,
    LOC_ANCIENT_PYRAMID,
    LOC_HELL, // the Infernal Realm
    LOC_LAKE_OF_BLOOD,
    LOC_PRISMATIC_PALACE,
    LOC_PALE_GARDEN,
    LOC_SEAFOAM_CAVE,
    LOC_CAVERNOUS_DEPTHS,
    LOC_SEA_TURTLE_ROCKS,
    LOC_TOWER_BASEMENT,
    LOC_ASHEN_CAVE,
    LOC_BLACKSMITHS_FORGE,
    LOC_ASHEN_DEPTHS,
    LOC_FORGOTTEN_RUINS,
    LOC_FROZEN_DEPTHS,
    LOC_OLD_TRAIL,
    LOC_RUSHING_RIVERBANK,
    LOC_SUNSET_RIDGE,
    LOC_COLLAPSED_TUNNEL,
    LOC_STARFALL_HILL,
    LOC_STARRY_CAVE,
    LOC_UNDERGROWTH,
};
static_assert(LOC_UNDERGROWTH + 1 == NUM_LOCATIONS);

enum ItemId : int32_t {
    ITEM_NONE = -1, // a character who wants nothing
    ITEM_EMPTY,     // the record an empty slot or place holds
    ITEM_SWORD,
    ITEM_TUNIC,
    ITEM_SMALL_POTION,
    ITEM_BLUE_RING,
    ITEM_GOBLET,
    ITEM_BATTLEAXE,
    ITEM_SEASHELL,
    ITEM_SPELLBOOK,
    ITEM_TOWER_KEY,
    ITEM_SCIMITAR,
    ITEM_TALISMAN,
    ITEM_RUSTY_BATTLEAXE,
    ITEM_LILY,
    ITEM_COOKBOOK,
    ITEM_RUSTY_DAGGER,
    ITEM_AMETHYST,
    ITEM_ORNATE_COIN,
    ITEM_CELLAR_KEY,
    ITEM_FLUTE,
    ITEM_VIOLET,
    ITEM_MANSION_KEY,
    ITEM_PYRAMID_KEY,
    ITEM_FISH,
    ITEM_MUSHROOM,
    ITEM_CANDLE,
    ITEM_LANTERN,
    ITEM_CUIRASS,
    ITEM_RUINS_KEY,
    ITEM_BLACK_ROSE,
    ITEM_BONE,
    ITEM_TURTLE_SHELL,
    ITEM_RED_RING,
    ITEM_GREEN_RING,
    ITEM_LAMP_OIL,
    ITEM_LARGE_POTION,
    ITEM_BLUE_AMULET,
    ITEM_RED_AMULET,
    ITEM_GREEN_AMULET,
    ITEM_BROADSWORD,
    ITEM_CHAINMAIL,
    ITEM_LYRE,
    ITEM_FROSTED_LEAF,
    ITEM_MOONS_TEAR,
    ITEM_CRYSTAL_HEART,
    ITEM_UMBER_SCYTHE,
    ITEM_CUCUMBER,
    ITEM_EXCALIBUR,
};
static_assert(ITEM_EXCALIBUR + 1 == NUM_ITEMS);

// Slot 0 of the cast is a blank record; the characters fill slots 1 onwards.
enum CharacterId : int32_t {
    CHARACTER_GREEDO = 1,
    CHARACTER_HANBO,
    CHARACTER_GOBLIN,
    CHARACTER_CLARA,
    CHARACTER_EVELYN,
    CHARACTER_FREDDIE,
    CHARACTER_WERUH,
    CHARACTER_GOD,
    CHARACTER_NURNIC,
    CHARACTER_BLACK_QUEEN,
    CHARACTER_TUX,
    CHARACTER_DEVIL,
    CHARACTER_MUKIRI,
    CHARACTER_WHITE_QUEEN,
    CHARACTER_GARDEN_STATUE,
    CHARACTER_VILLAGE_STATUE,
    CHARACTER_WOLF,
    CHARACTER_SNAKE,
    CHARACTER_DRAGON,
    CHARACTER_WIZARD,
    CHARACTER_FAE,
    CHARACTER_DWARGO,
    CHARACTER_BLACKSMITH,
    CHARACTER_SKELETON,
    CHARACTER_GOLEM,
    CHARACTER_FROZEN_STATUE,
    CHARACTER_MARY_LOU,
    CHARACTER_KAPPA,
};
static_assert(CHARACTER_KAPPA + 1 == NUM_CHARACTERS);

// A locked way names the number of the key that opens it; a key item carries its number as
// its power.
enum KeyNumber : int32_t {
    KEY_NONE,
    KEY_TOWER,
    KEY_CELLAR,
    KEY_MANSION,
    KEY_PYRAMID,
    KEY_RUINS,
};
constexpr int NUM_KEYS = KEY_RUINS;

// Whether an id names a row that exists (for items: a real thing, not the Empty record).
constexpr bool isPlace(int32_t id) { return id >= 0 && id < NUM_LOCATIONS; }
constexpr bool isRealItem(int32_t id) { return id > ITEM_EMPTY && id < NUM_ITEMS; }
constexpr bool isCharacter(int32_t id) { return id >= CHARACTER_GREEDO && id < NUM_CHARACTERS; }
