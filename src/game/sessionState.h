// What a session keeps beside the record while it runs, as the commands see
// it. Nothing here is saved.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "gameState.h"

class UndoLog;
class TranscriptKeeper;

struct SessionOptions {
    // "--no-audio": nothing plays and sound cannot be switched on.
    bool audioDisabled = false;
    // "--seed N": the front end draws the same numbers every run.
    std::optional<unsigned> seed;
};

struct SessionState {
    GameState& record;
    UndoLog& undo;
    TranscriptKeeper& transcript;
    SessionOptions options;
    // The command lines "history" lists, oldest first.
    std::deque<std::string> history;
    // The clock value of the last "watching" notice, so it is given once.
    int lastNoticeTurn = -1;
};
