// A transcript kept in an open file, appended to: the terminal's and the
// Node host's storage both write transcripts so.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ports.h"

class TranscriptFile : public SaveStorage::Transcript {
public:
    explicit TranscriptFile(int opened) : fd(opened) {}

    // Opens NAME.txt in the folder, made if missing, to append to: only a
    // plain file, as a transcript written into anything else could hang or
    // end the game. `extraFlags` are added to open()'s. Null, with the
    // reason, when it cannot.
    static std::unique_ptr<SaveStorage::Transcript>
    openIn(const std::string& folder, const std::string& name, int extraFlags, std::string& reason);
    ~TranscriptFile() override;
    TranscriptFile(const TranscriptFile&) = delete;
    TranscriptFile& operator=(const TranscriptFile&) = delete;
    bool append(std::string_view text, std::string& reason) override;

private:
    int fd;
};
