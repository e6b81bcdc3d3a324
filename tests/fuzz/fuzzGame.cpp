// A fresh game fed arbitrary lines: the title menu, every command, every
// question and prompt answered from the same data.
#include <cstdint>
#include <memory>

#include "fuzzSupport.h"
#include "game.h"
#include "initFunc.h"
#include "undo.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzLines lines;
    lines.lines = splitLines(data, size);
    uint32_t seed = size > 0 ? data[0] * 2654435761u : 1;
    prepareFuzzRun(lines, seed);
    auto state = std::make_unique<GameState>();
    buildFreshGame(state.get());
    requireSound(*state, "at the start");
    if (startGame(state.get())) return 0;
    requireSound(*state, "after the title menu");
    // As in play, every change can be taken back; the log checks each line
    // and each taking back.
    UndoLog undo(state.get());
    undo.checkEveryLine(true);
    while (handleCommand(state.get()) == Ending::None)
        requirePlayerSound(*state);
    requireSound(*state, "after the last command");
    return 0;
}
