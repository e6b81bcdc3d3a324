// The game's doors to the outside world as a web page (or Node) opens them.
// Each port hands its work to the page's script, the "host": it shows text,
// edits lines, keeps saves and plays sounds.
#pragma once

#include <cstddef>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ports.h"
#include "screenText.h"

// Bytes handed back by the host (a length, then the bytes, in one malloc'd
// block; nullptr for none) taken into a string, the block freed. False for
// none.
bool takeHostBlock(char* block, std::string& into);
// A record gzip-packed by the host; empty when it could not be.
std::string gzip(std::string_view bytes);

// Saves whose gzip the host's library unpacks (Node's zlib, the browser's
// streams): the Node host's files and the page's storage alike.
class HostPackedSaves : public SaveStorage {
public:
    Unpacked unpack(std::string_view packed, std::size_t room, std::string& into) override;
};

// Lines typed in the page's line editor, or read from standard input under
// Node. It keeps what Tab offers, which the page asks for while the game
// waits for the line.
class HostLines : public LineSource {
public:
    bool readLine(const char* prompt, std::string& line) override;
    bool readPlainLine(std::string& line) override;
    void remember(const std::string& line) override;
    void offerCompletions(Completer completer) override { commands = std::move(completer); }
    void offerAnswers(Completer completer) override { answers = std::move(completer); }

    // What Tab makes of the line typed so far, for the page's line editor:
    // the text that replaces what is typed before the cursor, then the
    // matches, one per line.
    std::string complete(const std::string& typed) const;

private:
    Completer commands;
    Completer answers;
    // Set while a question is answered rather than a command typed.
    bool answering = false;
};

// Text for the page's terminal (wrapped at its width) or for standard output
// under Node (as it stands, in large blocks); without colour when the player
// asks for none (NO_COLOR).
class HostOutput : public OutputSink {
public:
    HostOutput() : colourless(colourRefused()) {}
    void write(const char* data, std::size_t size) override;
    void writeError(const char* data, std::size_t size) override;
    void flush() override;

private:
    bool colourless;
    std::string pending;
    std::string shaped;
    LineWrapper wrapper;
    void send();
};

// Sounds go to the host, which plays them itself and never makes the game
// wait. A silent one (--no-audio) hands nothing on.
class HostSound : public SoundPort {
public:
    explicit HostSound(bool silent) : silent(silent) {}
    void play(const char* effect) override;

private:
    bool silent;
};

class HostClock : public WallClock {
public:
    std::time_t now() override;
};

// Saves under Node: files in the folder "saves", gzip-compressed by the
// host, and transcripts in the folder "transcripts", as the terminal game
// keeps them.
class HostSaves : public HostPackedSaves {
public:
    std::vector<Entry> list() override;
    bool exists(const std::string& name) override;
    Read read(const std::string& name, std::size_t limit, std::string& stored) override;
    Write write(const std::string& name, std::string_view bytes, std::string& reason) override;
    bool remove(const std::string& name) override;
    std::unique_ptr<Transcript> openTranscript(const std::string& name,
                                               std::string& reason) override;
};
