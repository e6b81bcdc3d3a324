// A fresh game fed arbitrary lines: the title menu, every command, every
// question and prompt answered from the same data.
#include <cstdint>

#include "fuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // As in play, every change can be taken back; the harness checks that
    // each taking back gives the record before the command.
    GameHarness h(SessionOptions{.audioDisabled = true, .seed = {}});
    h.seedRandom(size > 0 ? data[0] * 2654435761u : 1);
    requireValid(h.game(), "at the start");
    h.afterEachCommand = [&h] { requirePlayerValid(h.game()); };
    h.playFromTitle(splitLines(data, size));
    requireValid(h.game(), "after the last command");
    return 0;
}
