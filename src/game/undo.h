// Taking commands back. A copy of the record is kept as the last command
// line left it; after each line the record is compared with it, and the
// bytes that changed are kept with their old values as one step. Taking a
// step back puts those old bytes back: nothing is played again.
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
    // Starts from the record as it is now. One log at a time.
    explicit UndoLog(const GameState* state);
    ~UndoLog();
    UndoLog(const UndoLog&) = delete;
    UndoLog& operator=(const UndoLog&) = delete;

    // A command line ran: what it changed becomes a step named by the line.
    void noteLine(const GameState* state, const std::string& line);
    // The record was changed outside the commands (a test setting a
    // scene): compare from here on, and take nothing of it back.
    void adopt(const GameState* state);

    // Takes back the last change; false when there is none left. `line` is
    // the command line that made it.
    bool takeBack(GameState* state, std::string& line);

    // After every line, checks that each change became a step, and that
    // taking back gives the exact earlier record; aborts when not.
    void checkEveryLine(bool on) { checking = on; }

    // How many changes were noted since the log began (none taken back).
    std::size_t changesNoted() const { return noted; }
    std::size_t stepsKept() const { return steps.size(); }
    // Everything the log holds, its copy of the record included.
    std::size_t bytesKept() const { return sizeof *this + sizeof(GameState) + stepBytes; }

    // The log the command loop notes into, or nullptr.
    static UndoLog* active();

private:
    using Word = std::uint64_t;
    static constexpr std::size_t WORDS = sizeof(GameState) / sizeof(Word);
    static_assert(sizeof(GameState) % sizeof(Word) == 0);

    // Runs of changed words: where each starts and how long it is, and the
    // words as they were before, one run after another.
    struct Step {
        std::string line;
        std::vector<std::uint32_t> runs; // start, length, start, length, ...
        std::vector<Word> before;
        std::size_t bytes() const;
    };

    std::unique_ptr<Word[]> kept; // the record as the last line left it
    std::deque<Step> steps;
    std::size_t stepBytes = 0;
    std::size_t noted = 0;
    bool checking = false;
    std::deque<std::unique_ptr<GameState>> checkRecords; // before each recent step

    bool collectChanges(const unsigned char* now, Step& step);
    void keepStep(Step&& step, const GameState* before);
    void foldIntoLastStep(const Step& step);
    void dropOldSteps();
    void checkRecord(const GameState* state, const char* when) const;
};
