#include "writers/output_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/native_file.h"

namespace wfpack {

namespace {

// Opens the file at path to be written from its start with size bytes. A
// file that is there and no longer is written over in place, not emptied
// first: file systems such as ext4 write a file that was emptied and
// written again out to disk as it is closed, which took longer than all
// the rest of a run on a small source. A longer one is emptied, so that
// none of its old bytes can stay behind the new ones.
std::FILE* open_to_overwrite(const std::string& path, std::size_t size) {
  if (std::FILE* file = platform::open_file(path, "r+b")) {
    long old_size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) old_size = std::ftell(file);
    if (old_size >= 0 && static_cast<unsigned long>(old_size) <= size) {
      std::rewind(file);
      return file;
    }
    std::fclose(file);
  }
  return platform::open_file(path, "wb");
}

}  // namespace

// A device such as /dev/full, which a failed write may have been to, stays
// untouched.
void remove_output_file(const std::string& path) {
  std::error_code error;
  const auto target =
      std::filesystem::canonical(platform::native_path(path), error);
  if (error || !std::filesystem::is_regular_file(target, error)) return;
  std::filesystem::remove(target, error);
}

void remove_earlier_output(const std::string& path) {
  std::error_code error;
  const auto name = platform::native_path(path);
  if (std::filesystem::symlink_status(name, error).type() ==
      std::filesystem::file_type::regular) {
    std::filesystem::remove(name, error);
  }
}

OutputStatus write_output_file(const std::string& path,
                               std::span<const char> data,
                               platform::Failure* failure) {
  platform::Failure reason;
  bool complete = true;
  // The first call that fails gives the reason, taken before the calls
  // after it, and the removal, can change it.
  const auto check = [&](bool done) {
    if (!done && complete) reason = platform::last_failure();
    complete = complete && done;
  };
  std::FILE* file = open_to_overwrite(path, data.size());
  if (file == nullptr) {
    if (failure != nullptr) *failure = platform::last_failure();
    return OutputStatus::OpenFailed;
  }
  // The data is whole already: one write, with no buffer in between.
  std::setvbuf(file, nullptr, _IONBF, 0);
  check(std::fwrite(data.data(), 1, data.size(), file) == data.size());
  check(std::fflush(file) == 0);
  check(std::ferror(file) == 0);
  check(std::fclose(file) == 0);
  if (complete) return OutputStatus::Written;
  if (failure != nullptr) *failure = reason;
  // What a failed write left behind goes.
  remove_output_file(path);
  return OutputStatus::WriteFailed;
}

}  // namespace wfpack
