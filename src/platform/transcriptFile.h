// A transcript kept in an open file, appended to: the terminal's and the
// Node host's storage both write transcripts so.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "ports.h"

class TranscriptFile : public SaveStorage::Transcript {
public:
    explicit TranscriptFile(int opened) : fd(opened) {}
    ~TranscriptFile() override { close(fd); }
    TranscriptFile(const TranscriptFile&) = delete;
    TranscriptFile& operator=(const TranscriptFile&) = delete;
    bool append(std::string_view text, std::string& reason) override
    {
        while (!text.empty()) {
            ssize_t written = ::write(fd, text.data(), text.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                reason = std::strerror(written < 0 ? errno : EIO);
                return false;
            }
            text.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

private:
    int fd;
};
