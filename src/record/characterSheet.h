// The numbers a character's record derives from what it wears and carries.
#pragma once

#include "gameState.h"

// Attack, defence and maximum hit points: the base ones plus what is worn.
void recalculateStats(Character* character);
// Keeps hp within 1..maxHp.
void hpBounds(Character* character);
// Empties every carried slot (not the worn ones).
void clearInventory(Character* character);
