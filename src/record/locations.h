// The map as it stands when a journey begins.
#pragma once

#include <array>

#include "gameState.h"
#include "worldIds.h"

// Row i is location id i. Items are laid separately by initLocations.
extern const std::array<Location, NUM_LOCATIONS> locations;

// Lays the starting items into the state's copy of the map.
void initLocations(GameState* state);
