// Building a fresh journey.
#pragma once

#include "gameState.h"

// The whole fresh world in start-up order: tables, items, player, cast.
void buildFreshGame(GameState* state);
