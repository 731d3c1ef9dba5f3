// Opening a data file for reading only when it is a regular file: a FIFO, a
// device or a directory under a data file's name must not block or feed the
// readers.
#pragma once

#include <cstdio>

namespace catalog {

// Like std::fopen(path, mode) for a read mode ("r" or "rb"); null when the
// file cannot be opened or is not a regular file. The check and the read use
// the same open file.
std::FILE* OpenRegularFile(const char* path, const char* mode);

}  // namespace catalog
