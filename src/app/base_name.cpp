#include "app/base_name.h"

namespace wfpack {

std::string_view file_name_of(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string base_name(std::string_view source_name) {
  const std::size_t file_start =
      source_name.size() - file_name_of(source_name).size();
  const std::size_t period = source_name.find('.', file_start);
  return std::string(source_name.substr(0, period));
}

}  // namespace wfpack
