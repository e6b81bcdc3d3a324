// A saved game's file read whole, as the terminal's and the Node host's
// storage both read it.
#pragma once

#include <cstddef>
#include <string>

#include "ports.h"

// Found when `path` is a plain file of at most `limit` bytes, read into
// `stored`; NotFound when it is not there or may not be opened. A FIFO, a
// device or a folder is Unreadable at once: asked before opening, as some
// file systems open without waiting only a plain file.
SaveStorage::Read readStoredFile(const std::string& path, std::size_t limit, std::string& stored);
