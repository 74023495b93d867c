#include "app/base_name.h"

namespace wfpack {

std::size_t file_name_start(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

std::string base_name(std::string_view source_name) {
  const std::size_t period =
      source_name.find('.', file_name_start(source_name));
  return std::string(source_name.substr(0, period));
}

}  // namespace wfpack
