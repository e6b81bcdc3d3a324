// Building a fresh journey.
#pragma once

#include "gameState.h"

void initGameState(GameState* state);
void initPlayer(GameState* state, Character* player);
void initCharacters(GameState* state, Character* player);
// The whole fresh world in start-up order: tables, items, player, cast.
void buildFreshGame(GameState* state);
