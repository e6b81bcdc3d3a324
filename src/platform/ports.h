// The game's doors to the outside world. A front end (the terminal, the
// browser, a test) builds one of each and hands them to a session; nothing
// in the rules or the record knows which front end it runs in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// Where typed lines come from.
class LineSource {
public:
    virtual ~LineSource() = default;
    // One line for the line editor, after printing the prompt. False at end of input.
    virtual bool readLine(const char* prompt, std::string& line) = 0;
    // One plain line, answering a question already printed: no prompt, no
    // history. `words` are what Tab may offer (none for free text). False
    // at end of input.
    virtual bool readPlainLine(std::string& line, const std::vector<std::string>& words) = 0;
};

// Where printed bytes go.
class OutputSink {
public:
    virtual ~OutputSink() = default;
    virtual void write(const char* data, std::size_t size) = 0;
    virtual void writeError(const char* data, std::size_t size) = 0;
    // The game is about to wait for the player: show what is pending.
    virtual void flush() {}
};

// Where random numbers come from: non-negative, like rand().
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int draw() = 0;
};

// Plays a sound effect by its name ("door" for sound/door.ogg); never waits.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(std::string_view effect) = 0;
};

// Saved games by name. The bytes are the record as it stands in memory; the
// storage keeps them as it likes (the terminal: gzip files in saves/).
class SaveStorage {
public:
    struct Entry {
        std::string name;
        std::int64_t writtenNanoseconds; // since the epoch
    };
    enum class Read { Found, NotFound, Unreadable };
    enum class Write { Written, OpenFailed, WriteFailed };

    virtual ~SaveStorage() = default;
    // Every stored save, in no particular order.
    virtual std::vector<Entry> list() = 0;
    virtual bool exists(const std::string& name) = 0;
    // At most `limit` bytes; more than that is Unreadable.
    virtual Read read(const std::string& name, std::size_t limit, std::string& bytes) = 0;
    // Replaces a save only once the new one is whole. On failure `reason`
    // says why, in words for the player.
    virtual Write write(const std::string& name, std::string_view bytes, std::string& reason) = 0;
    virtual bool remove(const std::string& name) = 0;
};

// Where the game reads the time of day (the list of saves, transcripts).
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t now() = 0;
};
