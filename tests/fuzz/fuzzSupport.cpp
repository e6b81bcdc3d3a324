#include "fuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "gameInvariants.h"
#include "recordLimits.h"

std::vector<std::string> splitLines(const uint8_t* data, std::size_t size)
{
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back().push_back(static_cast<char>(data[i]));
    }
    return lines;
}

void enterScratchFolder()
{
    std::string base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/lanternmoor-fuzz-XXXXXX";
    char* folder = mkdtemp(pattern.data());
    if (folder == nullptr || chdir(folder) != 0) std::abort();
    std::filesystem::create_directory("saves");
}

void requireValid(const GameState& state, const char* when)
{
    std::string broken = findBrokenInvariant(state);
    if (broken.empty()) return;
    std::fprintf(stderr, "broken record %s: %s\n", when, broken.c_str());
    std::abort();
}

void requirePlayerValid(const GameState& state)
{
    const Character& player = state.player;
    bool placed = player.locationId >= 0 && player.locationId < NUM_LOCATIONS;
    bool alive = !state.turnTaken || (player.hp >= 1 && player.hp <= player.maxHp);
    bool bounded = numbersInRange(&state);
    if (placed && alive && bounded) return;
    std::fprintf(stderr, "broken record after a command: place %d, hp %d of %d, numbers %s\n",
                 player.locationId, player.hp, player.maxHp, bounded ? "in range" : "out of range");
    std::abort();
}
