// A transcript of the session: everything the game shows, with each line the
// player types after its prompt, copied into a text file as the screen would
// show it, without escape sequences and without lines broken to fit a window.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "console.h"

class TranscriptFile {
public:
    TranscriptFile() = default;
    ~TranscriptFile() { stop(); }
    TranscriptFile(const TranscriptFile&) = delete;
    TranscriptFile& operator=(const TranscriptFile&) = delete;

    // Opens the file at path to append to: "" when it could, else why not.
    std::string open(const char* path);
    // Takes a file already open for writing, to close it when done.
    void take(int file) { fd = file; }
    // Starts copying into the file, after a line saying when.
    void start();
    // Stops copying and closes the file; nothing happens a second time.
    void stop();
    // False before the start, after the stop, and once a write has failed.
    bool copying() const { return fd >= 0 && !failed; }
    // The path given to open.
    const std::string& path() const { return where; }

private:
    // Stands between the game and the output it had, copying as it passes.
    class Tee : public OutputSink {
    public:
        explicit Tee(TranscriptFile& file) : file(file) {}
        void write(const char* data, std::size_t size) override;
        void writeError(const char* data, std::size_t size) override;
        void flush() override;
        OutputSink* inner = nullptr;

    private:
        TranscriptFile& file;
    };
    // Stands between the game and the lines it read, copying each one.
    class TypedLines : public LineSource {
    public:
        explicit TypedLines(TranscriptFile& file) : file(file) {}
        bool readLine(const char* prompt, std::string& line) override;
        bool readPlainLine(std::string& line) override;
        LineSource* inner = nullptr; // nullptr: the terminal's

    private:
        LineSource& source() { return inner ? *inner : terminalLineSource(); }
        TranscriptFile& file;
    };

    void copy(std::string_view text);
    void copyTyped(const std::string& line);
    // Writes out what waits; a failure is reported once and ends the copying.
    void writeOut();

    int fd = -1;
    bool failed = false;
    std::string where;
    std::string pending;
    std::size_t copied = 0; // bytes of shown text taken so far
    Tee tee{*this};
    TypedLines typed{*this};
};
