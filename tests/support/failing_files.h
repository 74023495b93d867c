// Ways to make writing a file fail part way, as a full disk does, that stay
// within the test's own scratch directory: nothing outside it is ever at
// risk, even when the rule under test, that only an incomplete regular file
// is removed, is broken.
#pragma once

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>

namespace wfpack::testing_support {

// While it lives, a regular file cannot grow past the limit: the write that
// would take it further fails (SIGXFSZ is ignored meanwhile). Child
// processes started meanwhile inherit both.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_handler_)(int) = nullptr;
};

// Makes at path a device of its own that refuses every write for want of
// space, as Linux's full device does, so that no test points at the
// system's /dev/full. False where such a device cannot be made here.
inline bool make_full_device(const std::filesystem::path& path) {
  if (mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 7)) != 0) return false;
  std::FILE* device = std::fopen(path.c_str(), "wb");
  bool refuses = false;
  if (device != nullptr) {
    refuses = std::fputc('x', device) == EOF || std::fflush(device) != 0;
    refuses = refuses && errno == ENOSPC;
    std::fclose(device);
  }
  if (!refuses) std::filesystem::remove(path);
  return refuses;
}

}  // namespace wfpack::testing_support
#endif
