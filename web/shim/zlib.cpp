// A gzip file is read whole and unpacked at the first read, and packed and
// written whole when closed: a save is one small record.
#include "zlib.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "webPorts.h"

struct gzFileState {
    gzFileState(int fd, bool writing) : fd(fd), writing(writing) {}
    int fd;
    bool writing;
    bool unpacked = false;
    std::string bytes;
    std::size_t next = 0;
};

namespace {

// Descriptors handed out by dup below: the same file, closed by its owner.
std::set<int> shared;

// No save is larger; a bigger file is read only this far.
constexpr std::size_t LARGEST_FILE = 1 << 24;

bool unpack(gzFileState* file)
{
    std::string packed;
    char buffer[65536];
    ssize_t got;
    while (packed.size() < LARGEST_FILE && (got = read(file->fd, buffer, sizeof buffer)) > 0)
        packed.append(buffer, static_cast<std::size_t>(got));
    // Like zlib, a file that is not gzip at all is read as it stands.
    bool isGzip = packed.size() >= 2 && static_cast<unsigned char>(packed[0]) == 0x1f &&
                  static_cast<unsigned char>(packed[1]) == 0x8b;
    if (!isGzip) {
        file->bytes = std::move(packed);
        return true;
    }
    return web::gunzip(packed, LARGEST_FILE, file->bytes);
}

} // namespace

// The saver hands the gzip writer a duplicate of its descriptor, and the
// browser build's file system makes a duplicate by opening the file again
// with its first flags, which fails for a file just created. The writer
// gets the descriptor itself instead, and leaves it open.
extern "C" int dup(int fd)
{
    shared.insert(fd);
    return fd;
}

gzFile gzdopen(int fd, const char* mode)
{
    if (fd < 0) return nullptr;
    return new gzFileState(fd, std::strchr(mode, 'w') != nullptr);
}

int gzwrite(gzFile file, voidpc data, unsigned size)
{
    if (!file->writing) return 0;
    file->bytes.append(static_cast<const char*>(data), size);
    return static_cast<int>(size);
}

int gzread(gzFile file, voidp data, unsigned size)
{
    if (file->writing) return -1;
    if (!file->unpacked) {
        file->unpacked = true;
        if (!unpack(file)) return -1;
    }
    std::size_t count = std::min<std::size_t>(size, file->bytes.size() - file->next);
    std::memcpy(data, file->bytes.data() + file->next, count);
    file->next += count;
    return static_cast<int>(count);
}

int gzclose(gzFile file)
{
    int status = Z_OK;
    if (file->writing) {
        std::string packed = web::gzip(file->bytes);
        bool written = !packed.empty() && write(file->fd, packed.data(), packed.size()) ==
                                              static_cast<ssize_t>(packed.size());
        if (!written) status = Z_ERRNO;
    }
    if (shared.erase(file->fd) == 0 && close(file->fd) != 0) status = Z_ERRNO;
    delete file;
    return status;
}
