// Game time: what happens each turn, and the clock the player can ask about.
#pragma once

#include "gameState.h"

// `lastNotice` is the clock value of the last "watching" notice given.
void applyTurnEffects(GameState* state, int& lastNotice);
void showTimePassed(const GameState* state);
