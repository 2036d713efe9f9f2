#pragma once
// Writes past a size fail while a FileSizeLimit lives, as on a full disk:
// the process's file size limit with SIGXFSZ ignored, so a write beyond it
// fails with "File too large" instead of ending the process. (Tests run as
// root, where read-only files and folders do not fail.)

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old);
    previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  rlimit old{};
  void (*previous)(int) = nullptr;
};

}  // namespace testsupport
