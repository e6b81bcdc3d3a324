// The game's doors to the outside world as a web page (or Node) opens them.
// Each port hands its work to the page's script, the "host": it shows text,
// edits lines, keeps saves and plays sounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "screenText.h"

// Until the game runs as a session, its console still declares a line source
// and an output of its own; the ports live in a namespace here so the two
// never meet under one name.
namespace web {
#include "ports.h"

// Lines typed in the page's line editor, or read from standard input under Node.
class HostLines : public LineSource {
public:
    HostLines(OutputSink& output) : output(output) {}
    bool readLine(const char* prompt, std::string& line) override;
    bool readPlainLine(std::string& line, const std::vector<std::string>& words) override;

private:
    OutputSink& output;
};

// Text for the page's terminal (wrapped at its width) or for
// standard output under Node (as it stands, in large blocks); without
// colour when the player asks for none (NO_COLOR).
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

// The same numbers as the terminal game's C library draws from the same
// seed, so one start in the same second plays the same in both builds.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed);
    int draw() override { return next(); }

private:
    int next();
    std::int32_t table[34]{};
    int front = 3;
    int rear = 0;
};

class HostSound : public SoundPort {
public:
    void play(std::string_view effect) override;
};

class HostClock : public Clock {
public:
    std::time_t now() override;
};

// Saves as files in the folder "saves" (in the page, a folder kept in the
// browser's storage), gzip-compressed by the host.
class HostSaves : public SaveStorage {
public:
    std::vector<Entry> list() override;
    bool exists(const std::string& name) override;
    Read read(const std::string& name, std::size_t limit, std::string& bytes) override;
    Write write(const std::string& name, std::string_view bytes, std::string& reason) override;
    bool remove(const std::string& name) override;
};

// What the host's gzip makes of the bytes; empty when it could not.
std::string gzip(std::string_view bytes);
// The bytes inside a gzip stream, at most limit + 1 of them; false when it
// is not one.
bool gunzip(const std::string& packed, std::size_t limit, std::string& bytes);

// The page's line editor asks what Tab completes: the text that replaces
// what is typed before the cursor, then the matches, one per line.
std::string completeTyped(const std::string& typed);

} // namespace web
