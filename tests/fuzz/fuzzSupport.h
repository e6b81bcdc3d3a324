// Shared set-up for the fuzz targets: the test harness's game (lines from the
// data, numbers from a seed, sounds only noted) in a scratch folder on a
// memory file system (saving waits for no disk there).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gameHarness.h"

// Splits data into lines at newlines.
std::vector<std::string> splitLines(const uint8_t* data, std::size_t size);

// Moves into a private scratch folder with a "saves" folder inside.
void enterScratchFolder();

// Stops the fuzzer with a message when the record is broken.
void requireValid(const GameState& state, const char* when);
// The quick part of that check, cheap enough for every single command:
// where the player stands, the hit points after a turn, and every number
// within the ceilings the loader demands.
void requirePlayerValid(const GameState& state);
