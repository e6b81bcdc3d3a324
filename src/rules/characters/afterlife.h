// God and the Devil, who send the dead back to the village from either realm
// of the afterlife when spoken to.
#pragma once

#include "gameState.h"

// God heals the player fully; a low standing earns a word of warning.
void reviveByGod(GameState* state, int standing);
// The Devil gives back only half of the player's hit points.
void reviveByDevil(GameState* state);
