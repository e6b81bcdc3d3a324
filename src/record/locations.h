// The map as it stands when a journey begins.
#pragma once

#include "gameState.h"

// Row i is location id i. Items are laid separately by initLocations.
extern const Location locations[NUM_LOCATIONS];

// Lays the starting items into the state's copy of the map.
void initLocations(GameState* state);
