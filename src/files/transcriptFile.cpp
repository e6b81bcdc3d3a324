#include "transcriptFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::unique_ptr<SaveStorage::Transcript> TranscriptFile::openIn(const std::string& folder,
                                                                const std::string& name,
                                                                int extraFlags, std::string& reason)
{
    mkdir(folder.c_str(), 0777);
    std::string path = folder + "/" + name + ".txt";
    int opened = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | extraFlags, 0666);
    if (opened < 0) {
        // A link refused by O_NOFOLLOW is no plain file either.
        reason = errno == ELOOP ? "not a plain file" : std::strerror(errno);
        return nullptr;
    }
    struct stat status;
    if (fstat(opened, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(opened);
        reason = "not a plain file";
        return nullptr;
    }
    return std::make_unique<TranscriptFile>(opened);
}

TranscriptFile::~TranscriptFile() { close(fd); }

bool TranscriptFile::append(std::string_view text, std::string& reason)
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
