// A saved game's file read whole, as the terminal's and the Node host's
// storage both read it.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "ports.h"

// Found when `path` is a plain file of at most `limit` bytes, read into
// `stored`; NotFound when it is not there or may not be opened. A FIFO, a
// device or a folder is Unreadable at once: asked before opening, as some
// file systems open without waiting only a plain file.
inline SaveStorage::Read readStoredFile(const std::string& path, std::size_t limit,
                                        std::string& stored)
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
