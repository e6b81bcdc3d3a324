// Shared set-up for the fuzz targets: a silent, deterministic game in a
// scratch folder on a memory file system (saving waits for no disk there).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console.h"
#include "gameState.h"

class FuzzLines : public LineSource {
public:
    std::vector<std::string> lines;
    std::size_t next = 0;
    bool readLine(const char*, std::string& line) override { return readPlainLine(line); }
    bool readPlainLine(std::string& line) override;
};

// Splits data into lines at newlines.
std::vector<std::string> splitLines(const uint8_t* data, std::size_t size);

// Silences output and sound, fixes the random numbers from a seed, and
// resets what lives outside the record (history, clock notice, endings).
void prepareFuzzRun(FuzzLines& lines, uint32_t seed);

// Moves into a private scratch folder with a "saves" folder inside.
void enterScratchFolder();

// Stops the fuzzer with a message when the record is broken.
void requireSound(const GameState& state, const char* when);
// The quick part of that check, cheap enough for every single command:
// where the player stands, the hit points after a turn, and every number
// within the ceilings the loader demands.
void requirePlayerSound(const GameState& state);
