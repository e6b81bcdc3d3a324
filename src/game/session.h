// One game's run: its record, what lives only while it runs, and the ports
// its front end built. The terminal program, the browser, the tests and the
// fuzzers each build a session and play it through the same loop.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "completion.h"
#include "ending.h"
#include "gameState.h"
#include "ports.h"
#include "sessionState.h"

struct Alias;
struct Command;
class TranscriptKeeper;

class Session {
public:
    // Builds a fresh journey, drawing from the session's random source.
    explicit Session(const Ports& ports, SessionOptions options = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The title menu, then one command per line until the journey ends.
    Ending play();
    // Plays on from a journey the front end kept (see SaveStorage::keepJourney),
    // at the command prompt: no title, and nothing to take back yet.
    Ending resume(const GameState& kept);
    // The title menu alone; true when the program is to end without playing.
    bool title();
    // Reads and runs one command line; anything but Ending::None ends the game.
    Ending step();
    // The words that could finish a command typed so far (Tab).
    Completions complete(const std::string& typed) const;

    // Command lines kept for the up arrow and "history".
    static constexpr std::size_t HISTORY_KEPT = 20;

    GameState& record() { return *state; }
    UndoLog& undoLog() { return *undo; }
    SessionState& sessionState() { return betweenLines; }
    // The ports as the session plays through them (a transcript kept): for a test that calls one
    // rule or one printing function.
    Ports& portsInPlay() { return inPlay; }

private:
    // The front end's sound, heard only while the player's sound switch is on.
    class SwitchedSound : public SoundPort {
    public:
        SwitchedSound(const GameState& switchedBy, SoundPort& heard)
            : record(switchedBy), speaker(heard)
        {
        }
        void play(const char* effect) override
        {
            if (record.soundOn) speaker.play(effect);
        }

    private:
        const GameState& record;
        SoundPort& speaker;
    };

    Ports frontEnd;
    std::unique_ptr<GameState> state;
    std::unique_ptr<TranscriptKeeper> transcript;
    std::unique_ptr<UndoLog> undo;
    SwitchedSound sound;
    // The front end's ports, with the transcript kept between and the sound switched.
    Ports inPlay;
    SessionState betweenLines; // what the commands share from one line to the next
    // The last command line typed, which "again" runs once more.
    std::string lastCommandLine;
    // The shorthand it was typed as, if any.
    const Alias* lastShorthand = nullptr;
    // Set while "again" runs the last line, which then stays the last line.
    bool lineRepeated = false;

    Ending playCommands();
    void keepJourney();
    void remember(const char* line);
    bool readCommandLine(char* line, int size, const Alias*& shorthand);
    // Runs a line; `shorthand` is the one it was typed as, if any.
    Ending playLine(const char* line, const Alias* shorthand = nullptr);
    Ending runCommand(const Command& command, const char* rest);
    Ending repeatLastLine();
};
