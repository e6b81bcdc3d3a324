// Hugging: most characters return a hug or refuse it; God and the Devil each
// answer in their own way.
#pragma once

#include "gameState.h"

void hugCharacter(GameState* state, const char* noun);
