// The cast: 28 characters as they stand when a journey begins.
#pragma once

#include <array>

#include "gameState.h"
#include "worldIds.h"

// Templates by slot; element 0 is unused (all zero), 1..28 are the characters.
extern const std::array<Character, NUM_CHARACTERS> characterTemplates;

// Gives the characters in the state their starting items, as fresh copies from the state's
// catalogue: carried stock from slot 0 up, and the goblin's dagger in his weapon slot.
void handOutStartingItems(GameState* state);
