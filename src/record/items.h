// The item catalogue: every object in the world starts as a copy of a row.
#pragma once

#include <array>

#include "gameState.h"
#include "worldIds.h"

// Row i is item id i; row 0 is the "Empty" record.
extern const std::array<Item, NUM_ITEMS> items;
