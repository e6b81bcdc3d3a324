// A save is written under a temporary name and renamed into place. The
// browser keeps the saves folder in IndexedDB, written out when a file in
// it is synced; the rename is made lasting the same way, by syncing the
// folder it happened in.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

// The C library names its parameters with reserved names.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" int rename(const char* from, const char* to)
{
    if (renameat(AT_FDCWD, from, AT_FDCWD, to) != 0) return -1;
    std::string folder = to;
    std::size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? "." : folder.substr(0, slash);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
    return 0;
}
