// The item catalogue: every object in the world starts as a copy of a row.
#pragma once

#include "gameState.h"

// Row i is item id i; row 0 is the "Empty" record.
extern const Item items[NUM_ITEMS];

// Catalogue ids the rules name directly.
enum ItemId : int32_t {
    ITEM_EMPTY = 0,
    ITEM_SWORD = 1,
    ITEM_TUNIC = 2,
    ITEM_SMALL_POTION = 3,
    ITEM_MANSION_KEY = 21,
    ITEM_BLACK_ROSE = 29,
    ITEM_LARGE_POTION = 35,
    ITEM_MOONS_TEAR = 43,
};
