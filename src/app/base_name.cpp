#include "app/base_name.h"

namespace wfpack {

namespace {

bool is_ascii_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Where the file name starts: after the last separator, or after a drive
// prefix, which Windows accepts with no separator after it.
std::size_t file_name_start(std::string_view path, PathRules rules) {
  if (rules == PathRules::Posix) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
  }
  const std::size_t separator = path.find_last_of("\\/");
  if (separator != std::string_view::npos) return separator + 1;
  const bool drive =
      path.size() >= 2 && is_ascii_letter(path[0]) && path[1] == ':';
  return drive ? 2 : 0;
}

}  // namespace

std::string_view file_name_of(std::string_view path, PathRules rules) {
  return path.substr(file_name_start(path, rules));
}

std::string base_name(std::string_view source_name, PathRules rules) {
  const std::size_t period =
      source_name.find('.', file_name_start(source_name, rules));
  return std::string(source_name.substr(0, period));
}

std::string base_name_in(std::string_view directory,
                         std::string_view source_name, PathRules rules) {
  std::string base(directory);
  // A directory that ends with a separator, or a bare drive, takes a name
  // as it is.
  if (file_name_start(directory, rules) != directory.size()) {
    base += rules == PathRules::Posix ? '/' : '\\';
  }
  return base + base_name(file_name_of(source_name, rules), rules);
}

}  // namespace wfpack
