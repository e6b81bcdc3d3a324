// Shops: buying, selling, looking over the wares, and the lottery.
#pragma once

#include "gameState.h"

void talkToMerchant(GameState* state, Entity* player, Entity* merchant);
void buyFromMerchant(GameState* state, Entity* player, Entity* merchant);
void sellToMerchant(GameState* state, Entity* player, Entity* merchant);
void examineMerchant(const Entity* player, const Entity* merchant);
void playLottery(GameState* state, Entity* player, Entity* merchant);

// Traders (merchants and the blacksmith) call a customer by name once they
// trust them well enough; until then by "lad", "lass" or "stranger".
bool traderKnowsPlayer(const Entity* trader);
const char* traderAddress(const Entity* player, const Entity* trader);
