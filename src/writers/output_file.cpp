#include "writers/output_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/native_file.h"

namespace wfpack {

// A device such as /dev/full, which a failed write may have been to, stays
// untouched.
void remove_output_file(const std::string& path) {
  std::error_code error;
  const auto target =
      std::filesystem::canonical(platform::native_path(path), error);
  if (error || !std::filesystem::is_regular_file(target, error)) return;
  std::filesystem::remove(target, error);
}

OutputStatus write_output_file(const std::string& path,
                               std::span<const char> data) {
  std::FILE* file = platform::open_file(path, "wb");
  if (file == nullptr) return OutputStatus::OpenFailed;
  // The data is whole already: one write, with no buffer in between.
  std::setvbuf(file, nullptr, _IONBF, 0);
  bool complete = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  complete = std::fflush(file) == 0 && complete;
  complete = std::ferror(file) == 0 && complete;
  complete = std::fclose(file) == 0 && complete;
  if (complete) return OutputStatus::Written;
  // What a failed write left behind goes.
  remove_output_file(path);
  return OutputStatus::WriteFailed;
}

}  // namespace wfpack
