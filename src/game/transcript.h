// A transcript of the session ("script"): everything the game shows, with
// each line the player types after its prompt, copied as the screen would
// show it, without escape sequences and without lines broken to fit a
// window. It stands between the session and its front end's output and
// lines, and lets everything pass untouched while no transcript is kept.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "ports.h"

class TranscriptKeeper {
public:
    TranscriptKeeper(OutputSink& output, LineSource& lines)
        : tee(*this, output), typed(*this, lines)
    {
    }
    ~TranscriptKeeper() { stop(); }
    TranscriptKeeper(const TranscriptKeeper&) = delete;
    TranscriptKeeper& operator=(const TranscriptKeeper&) = delete;

    OutputSink& output() { return tee; }
    LineSource& lines() { return typed; }

    // Starts copying into `opened` under `name`, after a line saying when.
    void start(std::unique_ptr<SaveStorage::Transcript> opened, std::string name, std::time_t now);
    // Writes out what waits and closes the file; nothing happens a second time.
    void stop();
    // Ends the copying with `lastWords`, written out with the rest before
    // the player is told them; false, the failure told, when not all was
    // written.
    bool finish(std::string_view lastWords);
    // False before the start, after the stop, and once a write has failed.
    bool copying() const { return file != nullptr && !failed; }
    // The name it is kept under.
    const std::string& name() const { return kept; }

private:
    // Copies what passes to the player's screen.
    class Tee : public OutputSink {
    public:
        Tee(TranscriptKeeper& owner, OutputSink& wrapped) : keeper(owner), inner(wrapped) {}
        void write(const char* data, std::size_t size) override;
        void writeError(const char* data, std::size_t size) override;
        void flush() override;

    private:
        TranscriptKeeper& keeper;
        OutputSink& inner;
    };
    // Copies each line the player types.
    class TypedLines : public LineSource {
    public:
        TypedLines(TranscriptKeeper& owner, LineSource& wrapped) : keeper(owner), inner(wrapped) {}
        bool readLine(const char* prompt, std::string& line) override;
        // Printed here, or drawn by the line editor within.
        bool drawsPrompt() const override { return true; }
        bool readPlainLine(std::string& line) override;
        void remember(const std::string& line) override { inner.remember(line); }
        void offerCompletions(Completer completer) override
        {
            inner.offerCompletions(std::move(completer));
        }
        void offerAnswers(Completer completer) override
        {
            inner.offerAnswers(std::move(completer));
        }

    private:
        TranscriptKeeper& keeper;
        LineSource& inner;
    };

    void copy(std::string_view text);
    void copyTyped(const std::string& line);
    // Writes out what waits; a failure is reported once and ends the copying.
    void writeOut();

    std::unique_ptr<SaveStorage::Transcript> file;
    bool failed = false;
    std::string kept;
    std::string pending;
    Tee tee;
    TypedLines typed;
};
