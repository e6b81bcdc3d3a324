// What the player does with things: carrying, taking, dropping and wearing
// items.
#pragma once

#include "gameState.h"

// ---- Inventories ----
// True when every carried slot is empty (what is worn does not count).
bool carriesNothing(const Character* character);
bool itemIsHere(const GameState* state, const char* noun);
bool itemInInventory(const Character* character, const char* noun);
// The lowest carried slot holding an item of that name, or -1.
int findCarriedItem(const Character* character, const char* noun);
// Asks for the noun when none was typed, then finds the carried item by that
// name; nullptr, after saying "Invalid item name!", when nothing answers.
Item* askForCarriedItem(Character* player, const char* noun, const char* question);
// The same for an item to be parted with (dropped or used up): nullptr, after
// saying so, when the pack is empty or in the afterlife, which keeps all.
Item* askForItemToPartWith(GameState* state, const char* noun, const char* refusal,
                           const char* question);
// The lowest free carried slot, or -1.
int findFreeSlot(const Character* character);
// Overwrites a slot or place with the Empty record.
void emptySlot(const GameState* state, Item* slot);
// One use wears an item down; used up, it breaks and leaves its slot empty.
// True when it broke. Announced, the player hears it break.
enum class Breaking { Quietly, Announced };
bool wearDownItem(GameState* state, Item* item, Breaking told);
void printItem(const Item* item);
void drawInventory(const GameState* state);

// ---- Taking and dropping ----
void getItem(GameState* state, Item* locationItem);
void getGold(GameState* state);
void dropItem(GameState* state, const char* noun);

// ---- Equipment ----
void equipItem(GameState* state, const char* noun);
void removeItem(GameState* state, const char* noun);
