// Shared set-up for the fuzz targets: a silent, deterministic game in a
// scratch folder on a memory file system (saving waits for no disk there).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gameState.h"
#include "ports.h"
#include "savesFolder.h"
#include "terminalPorts.h"

class FuzzLines : public LineSource {
public:
    std::vector<std::string> lines;
    std::size_t next = 0;
    bool readLine(const char*, std::string& line) override { return readPlainLine(line); }
    bool readPlainLine(std::string& line) override;
};

// The same numbers for the same seed.
class SeededNumbers : public RandomSource {
public:
    explicit SeededNumbers(uint32_t seed) : state(seed) {}
    int draw() override;

private:
    uint32_t state;
};

// Lines from the data, numbers from a seed, nothing seen or heard; saves in
// the scratch folder.
struct FuzzPorts {
    FuzzPorts(std::vector<std::string> typed, uint32_t seed) : random(seed)
    {
        lines.lines = std::move(typed);
    }
    FuzzLines lines;
    DiscardedOutput output;
    SeededNumbers random;
    NoSound sound;
    SavesFolder saves;
    SystemClock clock;
    Ports ports{lines, output, random, sound, saves, clock};
};

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
