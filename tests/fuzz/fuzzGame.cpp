// A fresh game fed arbitrary lines: the title menu, every command, every
// question and prompt answered from the same data.
#include <cstdint>
#include <memory>

#include "fuzzSupport.h"
#include "session.h"
#include "undo.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    uint32_t seed = size > 0 ? data[0] * 2654435761u : 1;
    FuzzPorts io(splitLines(data, size), seed);
    // As in play, every change can be taken back; the log checks each line
    // and each taking back.
    Session session(io.ports, SessionOptions{.audioDisabled = true, .seed = {}});
    session.undoLog().checkEveryLine(true);
    const GameState& state = session.record();
    requireValid(state, "at the start");
    if (session.title()) return 0;
    requireValid(state, "after the title menu");
    while (session.step() == Ending::None)
        requirePlayerValid(state);
    requireValid(state, "after the last command");
    return 0;
}
