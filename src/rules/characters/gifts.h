// Gifts: favourite items win trust, and the chains of trades open the world.
#pragma once

#include "ending.h"
#include "gameState.h"

// The rose laid at the garden statue may end the journey.
Ending giveItem(GameState* state, const char* noun);
