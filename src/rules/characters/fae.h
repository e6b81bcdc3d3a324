// The fae, who asks the player for their name: a soul that gives it away
// becomes Nameless, and the fae leaves once it has had its way.
#pragma once

#include "gameState.h"

// The fae asks for the name; what the answer costs or brings depends on the
// player's standing.
void talkToFae(GameState* state, Character* player, Character* fae, int standing);
