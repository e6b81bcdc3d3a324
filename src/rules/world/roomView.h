// What the player sees and hears of a place.
#pragma once

#include "gameState.h"

void lookAround(const GameState* state);
void listenToAmbience(int locationId);
