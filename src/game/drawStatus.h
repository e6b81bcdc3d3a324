// The character sheet.
#pragma once

#include "gameState.h"

void drawStats(const GameState* state);
