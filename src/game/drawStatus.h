// The character sheet and the help screen.
#pragma once

#include "gameState.h"

void drawStats(const GameState* state);
void drawHelp();
