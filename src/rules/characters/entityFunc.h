// The characters: standing, cooling tempers, talking, looking and hugging.
#pragma once

#include "gameState.h"

// ---- Who is here ----
// The first character here answering to the noun by name or species, or -1.
int findEntityHere(const GameState* state, const char* noun);
// The first character here at all (a bare "talk"), or -1.
int findFirstEntityHere(const GameState* state);
void entityCooldown(GameState* state);

// "self", "myself" or "yourself": the player means themselves.
bool meansSelf(const char* noun);
// "his", "her" or "their", by Entity::sex.
const char* possessivePronoun(int sex);

// ---- Conversation and gestures ----
void talkToEntity(GameState* state, const char* noun);
void talkToFae(GameState* state, Entity* player, Entity* fae, int standing);
void talkToBlacksmith(GameState* state, Entity* player, Entity* smith);
void lookAtEntity(const GameState* state, const char* noun);
void hugEntity(GameState* state, const char* noun);
