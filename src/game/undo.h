// Taking commands back. A copy of the record is kept as the last command
// line left it; after each line the whole record is compared with it, and
// the bytes that changed are kept with their old values as one step. Taking
// a step back puts those old bytes back: nothing is played again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "gameState.h"

class UndoLog {
public:
    // Starts from the record as it is now.
    explicit UndoLog(const GameState* state);
    ~UndoLog();
    UndoLog(const UndoLog&) = delete;
    UndoLog& operator=(const UndoLog&) = delete;

    // A command line ran: what it changed becomes a step named by the line.
    void noteLine(const GameState* state, const char* line);
    // The record was changed outside the commands (a test setting a
    // scene): compare from here on, and take nothing of it back.
    void adopt(const GameState* state);

    // Takes back the last change; false when there is none left. `line` is
    // the command line that made it.
    bool takeBack(GameState* state, std::string& line);

    // How many changes were noted since the log began (none taken back).
    std::size_t changesNoted() const { return noted; }
    // Moves whenever the record changes: a line that changed it, a step
    // taken back. The journey is worth keeping again when it has moved.
    std::size_t revision() const { return revisions; }
    std::size_t stepsKept() const { return steps.size(); }
    // Everything the log holds, its copy of the record included.
    std::size_t bytesKept() const;

private:
    using Word = std::uint64_t;
    static constexpr std::size_t WORDS = sizeof(GameState) / sizeof(Word);
    static_assert(sizeof(GameState) % sizeof(Word) == 0);

    // A step's changes lie in `changes`, one step after another: runs of
    // changed words, each a header word (the index of the run's first word
    // in the high 32 bits, the run's length in the low 32) followed by the
    // words as they were before.
    struct Step {
        std::string line;
        std::size_t size; // words in `changes`
    };

    std::unique_ptr<Word[]> kept; // the record as the last line left it
    std::deque<Step> steps;
    std::deque<Word> changes;
    std::vector<Word> found;   // this line's changes, in the same form
    std::size_t lastRun = 0;   // where the last run found starts in `found`
    std::size_t lineBytes = 0; // the steps' lines
    std::size_t noted = 0;
    std::size_t revisions = 0;

    std::size_t stepBytes() const;
    void compareRecord(const unsigned char* now);
    void noteChangedWords(const unsigned char* now, std::size_t first, std::size_t last);
    void keepStep(const char* line);
    void foldIntoLastStep();
};
