// What a record must hold to be played: the checks a saved game passes
// before it is loaded, and the record as the bytes a save keeps.
#pragma once

#include <string_view>

#include "gameState.h"

// True when every index, text, flag and number of the record is safe to use:
// what a save must hold to be loaded, and what play keeps true.
bool isValidRecord(const GameState* state);

// Takes a saved record's bytes into `into` when they are a whole, valid
// record; false (and `into` left unspecified) otherwise.
bool recordFromBytes(std::string_view bytes, GameState* into);

// The record as it is saved: its bytes, padding included.
std::string_view bytesOf(const GameState& record);
