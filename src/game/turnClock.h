// Game time: what happens each turn, and the clock the player can ask about.
#pragma once

#include "gameState.h"

void applyTurnEffects(GameState* state);
void calculateTimePassed(const GameState* state);
void checkBlackQueenWatch(const GameState* state);
