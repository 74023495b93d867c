#include "app/base_name.h"

namespace wfpack {

std::string base_name(std::string_view source_name) {
  const std::size_t slash = source_name.rfind('/');
  const std::size_t file_start =
      slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t period = source_name.find('.', file_start);
  return std::string(source_name.substr(0, period));
}

}  // namespace wfpack
