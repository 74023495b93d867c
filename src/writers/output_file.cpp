#include "writers/output_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/native_file.h"

namespace wfpack {

namespace {

// Removes what a failed write left behind. Only a regular file is removed;
// where the name is a link, the incomplete file it leads to goes, and a
// device such as /dev/full stays untouched.
void remove_incomplete(const std::string& path) {
  std::error_code error;
  const auto target =
      std::filesystem::canonical(platform::native_path(path), error);
  if (error || !std::filesystem::is_regular_file(target, error)) return;
  std::filesystem::remove(target, error);
}

}  // namespace

OutputStatus write_output_file(const std::string& path,
                               std::span<const char> data) {
  std::FILE* file = platform::open_file(path, "wb");
  if (file == nullptr) return OutputStatus::OpenFailed;
  bool complete = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  complete = std::fflush(file) == 0 && complete;
  complete = std::ferror(file) == 0 && complete;
  complete = std::fclose(file) == 0 && complete;
  if (complete) return OutputStatus::Written;
  remove_incomplete(path);
  return OutputStatus::WriteFailed;
}

}  // namespace wfpack
