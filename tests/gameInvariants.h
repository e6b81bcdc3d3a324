// What must hold of the game record after every command, whatever was typed.
#pragma once

#include <string>

#include "gameState.h"

// Empty when the record is sound; otherwise what is wrong with it.
std::string findBrokenInvariant(const GameState& state);
