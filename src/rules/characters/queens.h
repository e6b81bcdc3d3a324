// The two queens: the Black Queen, who answers talk with a fight, and the
// White Queen, who tends the wounds of those she thinks well of.
#pragma once

#include "gameState.h"

// The Black Queen turns hostile for good.
void confrontBlackQueen(Character* queen);
// The White Queen speaks by the player's standing and by whether the Black
// Queen still lives.
void meetWhiteQueen(GameState* state, int standing);
