// The game's sound effects obey the player's sound switch.
#pragma once

#include "gameState.h"

// Plays an effect by its name ("pray") when the game's sound switch is on.
void playEffect(const GameState* state, const char* effect);
