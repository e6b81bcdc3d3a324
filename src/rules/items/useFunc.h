// Using items (potions, keys, instruments, lights), the light burning down,
// and examining items.
#pragma once

#include "gameState.h"

void useItem(GameState* state, const char* noun);
void checkLight(GameState* state);
void lookAtItem(const GameState* state, const char* noun);
