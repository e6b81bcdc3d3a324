// The save loader fed arbitrary file contents, gzip-compressed or raw. A
// record it accepts must be sound, and must survive being played.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzzSupport.h"
#include "recordChecks.h"
#include "session.h"
#include "undo.h"

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
    FuzzPorts io({"look", "stats", "inventory", "wait", "go north", "talk", "look around", "listen",
                  "use Small Potion", "get all", "time"},
                 data[0]);
    Session session(io.ports, SessionOptions{.audioDisabled = true, .seed = {}});
    GameState& state = session.record();
    std::string bytes;
    if (io.saves.read("fuzz", sizeof state, bytes) != SaveStorage::Read::Found) return 0;
    if (!recordFromBytes(bytes, &state)) return 0;
    // Loaded before the first command: nothing to take back.
    session.undoLog().adopt(&state);
    requireValid(state, "after loading");
    while (session.step() == Ending::None)
        requirePlayerValid(state);
    requireValid(state, "after playing a loaded game");
    return 0;
}
