// Fights, one exchange of blows per command, and what death takes away.
#pragma once

#include "gameState.h"

void attackEntity(GameState* state, const char* noun);
void combat(GameState* state, Entity* attacker, Entity* defender);
int checkEquipmentBreaks(GameState* state, Item* slot);
void playerDeath(GameState* state, Entity* player, const Entity* killer, int standing);
