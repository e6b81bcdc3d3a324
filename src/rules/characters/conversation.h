// The characters as the player meets them: finding who is here, tempers
// cooling turn by turn, talking to them and looking at them.
#pragma once

#include "gameState.h"

// ---- Who is here ----
// The first character here answering to the noun by name or species, or -1.
int findCharacterNamed(const GameState* state, const char* noun);
void coolTempers(GameState* state);

// The player means themselves.
bool meansSelf(const char* noun);
// "his", "her" or "their", by Character::sex.
const char* possessivePronoun(int sex);

// ---- Talking and looking ----
void talkToCharacter(GameState* state, const char* noun);
void lookAtCharacter(const GameState* state, const char* noun);
