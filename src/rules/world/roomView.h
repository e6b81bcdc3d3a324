// What the player sees and hears of a place.
#pragma once

#include "gameState.h"

void lookAround(const GameState* state);
void maybePrintAmbience(int locationId);
void listenToAmbience(int locationId);

// The name of a location by id, or "Unknown".
const char* getLocationNameByID(int id);
