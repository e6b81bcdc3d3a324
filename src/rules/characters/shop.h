// Shops: buying, selling, looking over the wares, and the lottery.
#pragma once

#include "gameState.h"

void talkToMerchant(GameState* state, Character* player, Character* merchant);

// Traders (merchants and the blacksmith) call a customer by name once they
// trust them well enough; until then by "lad", "lass" or "stranger".
bool traderKnowsPlayer(const Character* trader);
const char* traderAddress(const Character* player, const Character* trader);
