// The save loader fed arbitrary file contents, gzip-compressed or raw. A
// record it accepts must be sound, and must survive being played.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzzSupport.h"
#include "savedGames.h"

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
    GameHarness h(SessionOptions{.audioDisabled = true, .seed = {}});
    h.seedRandom(data[0]);
    std::string stored;
    SavesFolder saves;
    if (saves.read("fuzz", LARGEST_SAVE_FILE, stored) != SaveStorage::Read::Found) return 0;
    if (!recordFromSaveFile(stored, saves, &h.game())) return 0;
    requireValid(h.game(), "after loading");
    h.afterEachCommand = [&h] { requirePlayerValid(h.game()); };
    // Loaded before the first command, which takes it as nothing to take back.
    h.play({"look", "stats", "inventory", "wait", "go north", "talk", "look around", "listen",
            "use Small Potion", "get all", "time"});
    requireValid(h.game(), "after playing a loaded game");
    return 0;
}
