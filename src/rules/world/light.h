// Light and dark: whether the player can see here, and a kindled light
// burning down turn by turn.
#pragma once

#include "gameState.h"

int checkAreaLit(const GameState* state);
// One turn of the burning light; in a dark place it flickers, then goes out.
void burnLight(GameState* state);
