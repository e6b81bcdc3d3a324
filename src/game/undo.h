// Taking commands back. Each command that changes the record is noted with
// the lines it read and the random numbers it drew; every so often, and
// after every load, the whole record is kept as well. Taking a command back
// restores the last record kept before it and silently plays the noted
// commands since then once more, with the same lines and the same numbers.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gameState.h"
#include "ports.h"

class UndoLog {
public:
    // Runs one command line on the record, as the command loop does.
    using Replay = std::function<void(GameState* state, const char* line)>;

    // Notes what the commands read from `lines` and draw from `random`, as
    // long as they read and draw through notingLines() and notingRandom().
    UndoLog(Replay replay, LineSource& lines, RandomSource& random);
    UndoLog(const UndoLog&) = delete;
    UndoLog& operator=(const UndoLog&) = delete;

    // A command line is about to run.
    void beginCommand(const char* line);
    // Before a command that takes a turn: it changes the record.
    void noteTurn(const GameState* state);
    // Before and after a command that may change the record without a turn;
    // a load cannot be played again, as its file may have changed since.
    void watch(const GameState* state);
    void noteIfChanged(const GameState* state, bool canReplay);

    // Takes back the last change; false when there is none left. `line` is
    // the command line that made it.
    bool takeBack(GameState* state, std::string& line);

    // How many changes were noted since the log began (none taken back).
    std::size_t changesNoted() const { return noted; }

    LineSource& notingLines() { return lineNotes; }
    RandomSource& notingRandom() { return numberNotes; }

private:
    struct Step {
        std::string line;
        std::vector<std::string> answers;
        std::vector<int> numbers;
        bool turnTakenBefore = false;
        bool canReplay = true;
        std::unique_ptr<GameState> before; // the whole record, when kept
    };

    class NotingLines : public LineSource {
    public:
        explicit NotingLines(UndoLog& log) : log(log) {}
        bool readLine(const char* prompt, std::string& line) override;
        bool readPlainLine(std::string& line) override;
        void remember(const std::string& line) override { log.inner.remember(line); }
        void offerCompletions(Completer completer) override
        {
            log.inner.offerCompletions(std::move(completer));
        }
        void offerAnswers(Completer completer) override
        {
            log.inner.offerAnswers(std::move(completer));
        }

    private:
        UndoLog& log;
    };

    class NotingRandom : public RandomSource {
    public:
        explicit NotingRandom(UndoLog& log) : log(log) {}
        int draw() override;

    private:
        UndoLog& log;
    };

    Replay replay;
    std::vector<Step> steps; // a ring; `first` is the oldest, `count` in use
    std::size_t first = 0;
    std::size_t count = 0;
    std::size_t noted = 0;
    Step* noting = nullptr; // the command being noted, in the next free slot
    bool replaying = false;
    std::unique_ptr<GameState> watched;

    LineSource& inner;
    RandomSource& innerRandom;
    NotingLines lineNotes;
    NotingRandom numberNotes;

    Step& step(std::size_t index) { return steps[(first + index) % steps.size()]; }
    bool keepsWholeRecordNext();
    void commit(const GameState* before);
    void dropOldSteps();
    void playAgain(GameState* state, Step& step);
};
