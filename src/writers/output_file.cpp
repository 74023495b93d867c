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

namespace {

// Opens the file at path to be written from its start, and tells how long
// it was. A file that is there is written over in place and cut to size
// afterwards, not emptied first: file systems such as ext4 write a file
// that was emptied and written again out to disk as it is closed, which
// took longer than all the rest of a run on a small source.
std::FILE* open_to_overwrite(const std::string& path, long& old_size) {
  old_size = 0;
  if (std::FILE* file = platform::open_file(path, "r+b")) {
    if (std::fseek(file, 0, SEEK_END) == 0) old_size = std::ftell(file);
    std::rewind(file);
    return file;
  }
  return platform::open_file(path, "wb");
}

}  // namespace

OutputStatus write_output_file(const std::string& path,
                               std::span<const char> data) {
  long old_size = 0;
  std::FILE* file = open_to_overwrite(path, old_size);
  if (file == nullptr) return OutputStatus::OpenFailed;
  // The data is whole already: one write, with no buffer in between.
  std::setvbuf(file, nullptr, _IONBF, 0);
  bool complete = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  complete = std::fflush(file) == 0 && complete;
  complete = std::ferror(file) == 0 && complete;
  complete = std::fclose(file) == 0 && complete;
  if (complete && old_size > static_cast<long>(data.size())) {
    std::error_code error;
    std::filesystem::resize_file(platform::native_path(path), data.size(),
                                 error);
    complete = !error;
  }
  if (complete) return OutputStatus::Written;
  // What a failed write left behind goes.
  remove_output_file(path);
  return OutputStatus::WriteFailed;
}

}  // namespace wfpack
