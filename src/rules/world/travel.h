// Walking the map: ways open, locked and blocked, and arriving in the dark.
#pragma once

#include "gameState.h"

void goDirection(GameState* state, const char* word);

// True for the two afterlife places, where nothing may be used or dropped.
bool isAfterlife(int locationId);
