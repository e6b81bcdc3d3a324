// What lives for one run of the program and is never saved. Everything here
// starts afresh with resetRunState(), so a test can begin as a new run does.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TranscriptFile;

// Completion for the line editor: given the line up to the cursor, where the
// word being completed starts and the whole words that could finish it.
using Completer =
    std::function<std::pair<std::size_t, std::vector<std::string>>(const std::string& typed)>;

struct RunState {
    // "--no-audio": the sound library is never started and nothing plays.
    bool soundOffAtStart = false;
    // The clock value of the last "watching" notice, so it is given once.
    int lastNoticeTurn = -1;
    // The last command line typed, which "again" runs once more.
    std::string lastCommandLine;
    // Where random numbers come from; empty means the C library's rand().
    std::function<int()> random;
    // What the line editor offers at the prompt, and the matches it is
    // handing out one by one.
    Completer completer;
    std::vector<std::string> pendingMatches;
    // What it offers at the question being asked (a save's name), if anything.
    Completer answerCompleter;
    // The transcript being kept ("script"), if any.
    std::shared_ptr<TranscriptFile> transcript;
};

RunState& runState();
void resetRunState();
