#include "platform/replace_file.h"

#include <filesystem>
#include <system_error>

#include "platform/native_file.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#endif

namespace wfpack::platform {

namespace fs = std::filesystem;

namespace {

// The file a name stands for, through any symbolic links.
bool target_of(std::string_view name, fs::path& target, std::string& reason) {
  std::error_code error;
  target = fs::canonical(native_path(name), error);
  if (error) reason = error.message();
  return !error;
}

#ifdef _WIN32

std::string system_reason() { return failure_text({0, GetLastError()}); }

}  // namespace

std::string replace_file(std::string_view name, std::string_view text) {
  fs::path target;
  std::string reason;
  if (!target_of(name, target, reason)) return reason;
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return system_reason();
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return failure_text({0, ERROR_ACCESS_DENIED});
  }
  fs::path temporary = target;
  temporary += L".wfpack-" + std::to_wstring(GetCurrentProcessId());
  const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return system_reason();
  bool done = true;
  for (std::size_t at = 0; done && at < text.size();) {
    DWORD written = 0;
    const DWORD size =
        static_cast<DWORD>(std::min<std::size_t>(text.size() - at, 1u << 30));
    done = WriteFile(file, text.data() + at, size, &written, nullptr) != 0;
    at += written;
  }
  done = done && FlushFileBuffers(file) != 0;
  if (!done) reason = system_reason();
  CloseHandle(file);
  // ReplaceFile gives the new file the old one's attributes and security.
  if (done &&
      ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) == 0) {
    reason = system_reason();
    done = false;
  }
  if (!done) DeleteFileW(temporary.c_str());
  return reason;
}

#else

std::string errno_reason() { return failure_text({errno}); }

}  // namespace

std::string replace_file(std::string_view name, std::string_view text) {
  fs::path target;
  std::string reason;
  if (!target_of(name, target, reason)) return reason;
  struct stat status {};
  if (stat(target.c_str(), &status) != 0) return errno_reason();
  if ((status.st_mode & S_IWUSR) == 0) return failure_text({EACCES});
  std::string temporary = target.string() + ".wfpack-XXXXXX";
  const int file = mkstemp(temporary.data());
  if (file < 0) return errno_reason();
  bool done = true;
  for (std::size_t at = 0; done && at < text.size();) {
    const ssize_t written = write(file, text.data() + at, text.size() - at);
    done = written > 0;
    if (done) at += static_cast<std::size_t>(written);
  }
  // The owner first, where it may be set, as it can clear the mode's
  // special bits.
  if (done && fchown(file, status.st_uid, status.st_gid) != 0) {
    errno = 0;
  }
  done = done && fchmod(file, status.st_mode & 07777) == 0;
  done = done && fsync(file) == 0;
  if (!done) reason = errno_reason();
  if (close(file) != 0 && done) {
    reason = errno_reason();
    done = false;
  }
  if (done && rename(temporary.c_str(), target.c_str()) != 0) {
    reason = errno_reason();
    done = false;
  }
  if (!done) {
    unlink(temporary.c_str());
    return reason;
  }
  // The rename itself reaches the disk with its folder.
  const int folder = open(target.parent_path().c_str(), O_RDONLY);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return {};
}

#endif

}  // namespace wfpack::platform
