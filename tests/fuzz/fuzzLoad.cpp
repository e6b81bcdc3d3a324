// The save loader fed arbitrary file contents, gzip-compressed or raw. A
// record it accepts must be sound, and must survive being played.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "fuzzSupport.h"
#include "game.h"
#include "initFunc.h"
#include "saveLoad.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    return 0;
}

namespace {
void writeSave(const uint8_t* data, std::size_t size, bool compress)
{
    if (compress) {
        // The fastest level: the loader, not the compressor, is under test.
        gzFile file = gzopen("saves/fuzz.dat.gz", "wb1");
        gzwrite(file, data, static_cast<unsigned>(size));
        gzclose(file);
        return;
    }
    std::FILE* file = std::fopen("saves/fuzz.dat.gz", "wb");
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte chooses whether the rest is stored compressed.
    writeSave(data + 1, size - 1, data[0] & 1);
    FuzzLines lines;
    lines.lines = {"look",        "stats",  "inventory",        "wait",    "go north", "talk",
                   "look around", "listen", "use Small Potion", "get all", "time"};
    prepareFuzzRun(lines, data[0]);
    auto state = std::make_unique<GameState>();
    buildFreshGame(state.get());
    if (readSaveFile("saves/fuzz.dat.gz", state.get()) != LoadResult::Loaded) return 0;
    requireSound(*state, "after loading");
    while (handleCommand(state.get()) == Ending::None)
        requirePlayerSound(*state);
    requireSound(*state, "after playing a loaded game");
    return 0;
}
