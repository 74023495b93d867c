#include "app/file_failure.h"

#include <filesystem>
#include <system_error>

namespace wfpack {

void report(TextOut& console, std::string_view what, std::string_view name) {
  console << "File " << what << " err (" << name << ").\n";
}

// Asked only after a failure, so that a run that reads its source makes no
// call more than it needs.
bool is_directory(std::string_view name) {
  std::error_code ignored;
  return std::filesystem::is_directory(platform::native_path(name), ignored);
}

void explain(TextOut& diagnostics, std::string_view action,
             std::string_view name, platform::Failure failure) {
  if (is_directory(name)) failure = platform::directory_failure();
  diagnostics << "wfpack: cannot " << action << " '" << name
              << "': " << platform::failure_text(failure) << '\n';
}

}  // namespace wfpack
