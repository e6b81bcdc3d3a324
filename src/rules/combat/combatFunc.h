// Fights, one exchange of blows per command, and what death takes away.
#pragma once

#include "ending.h"
#include "gameState.h"

// Death at the hands of God or the Devil ends the journey.
Ending attackEntity(GameState* state, const char* noun);
Ending combat(GameState* state, Entity* attacker, Entity* defender);
Ending playerDeath(GameState* state, Entity* player, const Entity* killer, int standing);
