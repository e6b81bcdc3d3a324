// The game's doors to the outside world. A front end (the terminal, the
// browser, a test) builds one of each and hands them to a session; nothing
// in the rules or the record knows which front end it runs in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Completion for the line editor: given the line up to the cursor, where the
// word being completed starts and the whole words that could finish it.
using Completer =
    std::function<std::pair<std::size_t, std::vector<std::string>>(const std::string& typed)>;

// No line a player means is longer: a source keeps this many bytes of a
// longer line and discards the rest.
constexpr std::size_t LONGEST_TYPED_LINE = 4096;

// Where typed lines come from.
class LineSource {
public:
    virtual ~LineSource() = default;
    // One line at the command prompt. A line editor draws `prompt` itself and
    // says so (drawsPrompt); any other source is asked once the session has
    // printed the prompt, and ignores it. False at end of input.
    virtual bool readLine(const char* prompt, std::string& line) = 0;
    virtual bool drawsPrompt() const { return false; }
    // One plain line answering a question already printed: no prompt, no
    // completion. False at end of input.
    virtual bool readPlainLine(std::string& line) = 0;
    // A command line the player may want again (the up arrow).
    virtual void remember(const std::string& /*line*/) {}
    // What Tab offers at the command prompt from now on; empty offers nothing.
    // Taken by value: a source that offers completions keeps it.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void offerCompletions(Completer /*completer*/) {}
    // What Tab offers at the questions read next (a save's name); empty,
    // nothing: most answers are free text.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void offerAnswers(Completer /*completer*/) {}
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

// Plays a sound effect by its name ("pray" for sound/pray.ogg); never waits.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void play(const char* effect) = 0;
};

// Saved games by name: files holding the record as it stands in memory,
// gzip-compressed (the terminal: in saves/). The game decides what a file
// may hold; the storage packs and unpacks with its own library.
class SaveStorage {
public:
    struct Entry {
        std::string name;
        std::int64_t writtenNanoseconds; // since the epoch
    };
    enum class Read { Found, NotFound, Unreadable };
    enum class Write { Written, OpenFailed, WriteFailed };
    struct Unpacked {
        bool whole;       // ended within the room, its length and checksum met
        std::size_t used; // bytes of the packed data it took
    };

    virtual ~SaveStorage() = default;
    // Every stored save, in no particular order.
    virtual std::vector<Entry> list() = 0;
    virtual bool exists(const std::string& name) = 0;
    // The file as it is stored. Only a plain file of at most `limit` bytes
    // is read; anything else is Unreadable, and never waited on.
    virtual Read read(const std::string& name, std::size_t limit, std::string& stored) = 0;
    // Unpacks the gzip data `packed` begins with (one member, or several
    // where the library goes on by itself), appending at most `room` bytes
    // to `into`: a longer content is not whole, and no more of it is made.
    virtual Unpacked unpack(std::string_view packed, std::size_t room, std::string& into) = 0;
    // Replaces a save only once the new one is whole. On failure `reason`
    // says why, in words for the player.
    virtual Write write(const std::string& name, std::string_view bytes, std::string& reason) = 0;
    virtual bool remove(const std::string& name) = 0;

    // A transcript of the session ("script"), kept beside the saves under a
    // name and appended to. Nullptr, with the reason, where it cannot be.
    class Transcript {
    public:
        virtual ~Transcript() = default;
        // False, with the reason, when the text could not be written.
        virtual bool append(std::string_view text, std::string& reason) = 0;
    };
    virtual std::unique_ptr<Transcript> openTranscript(const std::string& /*name*/,
                                                       std::string& reason)
    {
        reason = "transcripts are not kept here";
        return nullptr;
    }

    // The journey as it now stands, after a line that changed it: a front
    // end that offers to play on after it was closed (the page, after a
    // reload) keeps it apart from the saves, which never list or touch it.
    // Never makes the game wait.
    virtual void keepJourney(std::string_view /*record*/) {}
};

// Where the game reads the time of day (the list of saves, transcripts).
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual std::time_t now() = 0;
};

// Output nobody sees (a command played again silently, a fuzzer, a benchmark).
class DiscardedOutput : public OutputSink {
public:
    void write(const char*, std::size_t) override {}
    void writeError(const char*, std::size_t) override {}
};

// Sound nobody hears.
class NoSound : public SoundPort {
public:
    void play(const char*) override {}
};

// One of each, as a front end wires them for a session.
struct Ports {
    LineSource& lines;
    OutputSink& output;
    RandomSource& random;
    SoundPort& sound;
    SaveStorage& saves;
    WallClock& clock;
};
