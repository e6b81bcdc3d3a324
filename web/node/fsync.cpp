// Under Node the saves folder is the real one; the C library's fsync there
// would ask a browser file system to persist itself, so the file's own
// descriptor is synced instead.
#include <emscripten.h>

// clang-format off
EM_JS(int, syncNodeFile, (int fd), {
    try {
        require('fs').fsyncSync(FS.getStream(fd).nfd);
        return 0;
    } catch (e) {
        return -1;
    }
});
// clang-format on

extern "C" int fsync(int fd) { return syncNodeFile(fd); }
