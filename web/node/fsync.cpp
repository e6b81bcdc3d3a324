// Under Node the saves folder is the real one; the C library's fsync there
// would ask a browser file system to persist itself, so the file's own
// descriptor is synced instead.
#include "hostImports.h"

extern "C" int fsync(int fd) { return hostSyncFile(fd); }
