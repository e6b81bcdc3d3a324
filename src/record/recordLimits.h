// Ceilings no real journey comes near. A loaded record must keep every
// number within them and play holds every number there, so no sum the rules
// take can overflow, however long a game goes on.
#pragma once

#include <cstdint>

#include "gameState.h"

// Any number of the record: gold, hit points, the clock, cooldowns, uses.
constexpr int32_t LARGEST_NUMBER = 100'000'000;
// A number added up with others of its kind: a base stat with its two
// bonuses, or the trust of all 28 characters, stays within LARGEST_NUMBER.
constexpr int32_t LARGEST_PART = 1'000'000;

// True when every number of the record lies within its ceilings.
bool numbersInRange(const GameState* state);

// value + amount, held within -LARGEST_NUMBER..LARGEST_NUMBER.
int32_t boundedSum(int32_t value, int32_t amount);
// Gold, carried or lying about, stays within 0..LARGEST_NUMBER.
void addGold(int32_t& gold, int32_t amount);
// Trust stays within -LARGEST_PART..LARGEST_PART.
void changeTrust(Character* character, int32_t amount);
