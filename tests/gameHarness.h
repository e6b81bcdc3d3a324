// Plays the whole game in-process: scripted lines in, every printed byte
// captured, random numbers fixed, sounds recorded instead of played.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "gameState.h"
#include "ports.h"
#include "portsInUse.h"
#include "savesFolder.h"
#include "session.h"
#include "terminalPorts.h"
#include "undo.h"

class ScriptedLines : public LineSource {
public:
    std::deque<std::string> lines;
    // Told of every line handed out (nullptr once the lines have run out).
    std::function<void(const std::string* typed)> onRead;
    bool readLine(const char* prompt, std::string& line) override;
    bool readPlainLine(std::string& line) override;
};

class CapturedOutput : public OutputSink {
public:
    std::string text;
    std::string errors;
    void write(const char* data, std::size_t size) override { text.append(data, size); }
    void writeError(const char* data, std::size_t size) override { errors.append(data, size); }
};

class GameHarness : RandomSource {
public:
    // Builds a fresh journey; the player's attack and defence draws take the
    // default random value (base attack 7, base defence 5).
    explicit GameHarness(SessionOptions options = {});
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    // Queues numbers the game's random generator will return, in order.
    void queueRandom(std::initializer_list<int> numbers);
    // What the generator returns once the queue is empty.
    int defaultRandom = 1;
    // From now on, once the queue is empty, draw from a seeded pseudo-random
    // sequence instead of defaultRandom.
    void seedRandom(unsigned seed) { generator.emplace(seed); }
    // How many numbers were drawn so far.
    int randomsDrawn = 0;

    // Types the lines one after another as commands (and answers to any
    // question a command asks). Returns everything printed meanwhile.
    std::string play(const std::vector<std::string>& lines) { return typeLines(lines, false); }
    // The same, starting at the title menu.
    std::string playFromTitle(const std::vector<std::string>& lines)
    {
        return typeLines(lines, true);
    }
    // True once a command ended the game.
    bool ended = false;
    // Run after every command the two above play, when set.
    std::function<void()> afterEachCommand;
    // Stops the program when taking a command back gives anything but the
    // record as it was before that command, byte for byte. Off for a
    // session too long to copy the record at every line.
    bool checkTakingBack = true;

    // From now on the output reads as a terminal session: each typed line
    // follows its prompt in backquotes ("^D" where input ran out), and each
    // sound is a line "~ sound/name.ogg" of its own.
    void recordAsTranscript();

    Session& session() { return *playing; }
    GameState& game() { return playing->record(); }
    UndoLog& undoLog() { return playing->undoLog(); }
    Character& player() { return game().player; }
    Character& character(int id) { return game().characters[id]; }
    Location& here() { return game().locations[player().locationId]; }
    // Puts the player somewhere without a turn passing.
    void moveTo(int locationId) { player().locationId = locationId; }

    std::string errors() const { return output.errors; }

private:
    // The game's sounds arrive at hear() through a port of their own, so
    // that play() on the harness only ever means typing lines (a braced
    // "undo" would otherwise fit the sound port's play() as well).
    class Ears : public SoundPort {
    public:
        explicit Ears(GameHarness& owner) : harness(owner) {}
        void play(const char* effect) override { harness.hear(effect); }

    private:
        GameHarness& harness;
    };

    int draw() override;
    void hear(const char* effect);
    void noteSoundsAtLineStart();
    std::string typeLines(const std::vector<std::string>& lines, bool fromTitle);
    Ending stepCheckingTakingBack();

    ScriptedLines input;
    CapturedOutput output;
    SavesFolder saves;
    SystemClock clock;
    Ears ears{*this};
    Ports ports{input, output, *this, ears, saves, clock};
    // Lets a test call a rule or a printing function outside a command.
    std::optional<PortsInUse> portsForTests;
    std::deque<int> randoms;
    std::vector<std::string> unnotedSounds;
    bool transcript = false;
    std::optional<std::mt19937> generator;
    std::deque<std::string> recordsBeforeSteps; // one for each step the undo log holds
    std::unique_ptr<Session> playing;
};

// The record's bytes, to compare one state of the game with another whole.
inline std::string recordBytes(const GameState& state)
{
    return {reinterpret_cast<const char*>(&state), sizeof state};
}

// A private working directory for the length of a test (saves go there).
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return dir; }

private:
    std::string dir;
    std::string previous;
};
