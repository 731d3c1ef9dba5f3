#include "catalog/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalog {

std::FILE* OpenRegularFile(const char* path, const char* mode) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
  const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, mode);
  if (!file) ::close(fd);
  return file;
}

}  // namespace catalog
