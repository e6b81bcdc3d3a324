// Using items (potions, keys, instruments, lights) and examining items.
#pragma once

#include "gameState.h"

void useItem(GameState* state, const char* noun);
void lookAtItem(const GameState* state, const char* noun);
