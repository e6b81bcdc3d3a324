// The blacksmith, who mends worn weapons, armour and accessories for gold.
#pragma once

#include "gameState.h"

// A greeting, one repair at most, and a goodbye.
void talkToBlacksmith(Character* player, Character* smith);
