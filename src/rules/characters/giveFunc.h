// Gifts: favourite items win trust, and the chains of trades open the world.
#pragma once

#include "gameState.h"

void giveItem(GameState* state, const char* noun);
