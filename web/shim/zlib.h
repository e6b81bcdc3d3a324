// The gzip file interface the loader and saver name, over the host's gzip
// (the browser's compression streams, or Node's zlib).
#pragma once

#define Z_OK 0
#define Z_ERRNO (-1)

typedef struct gzFileState* gzFile;
typedef const void* voidpc;
typedef void* voidp;

gzFile gzdopen(int fd, const char* mode);
int gzwrite(gzFile file, voidpc data, unsigned size);
int gzread(gzFile file, voidp data, unsigned size);
int gzclose(gzFile file);
