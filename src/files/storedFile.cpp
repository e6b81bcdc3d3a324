#include "storedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

SaveStorage::Read readStoredFile(const std::string& path, std::size_t limit, std::string& stored)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return SaveStorage::Read::NotFound;
    if (!S_ISREG(status.st_mode)) return SaveStorage::Read::Unreadable;
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return SaveStorage::Read::NotFound;
    // Asked again of what was opened, which may have been swapped meanwhile.
    bool plain = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    stored.clear();
    if (plain) stored.reserve(std::min(static_cast<std::size_t>(status.st_size), limit) + 1);
    char buffer[65536];
    ssize_t got = 0;
    while (plain && stored.size() <= limit &&
           ((got = ::read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)))
        if (got > 0) stored.append(buffer, static_cast<std::size_t>(got));
    close(fd);
    bool fits = plain && got >= 0 && stored.size() <= limit;
    return fits ? SaveStorage::Read::Found : SaveStorage::Read::Unreadable;
}
