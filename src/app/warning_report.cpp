#include "app/warning_report.h"

namespace wfpack {

void report_warnings(TextOut out, std::string_view source_name,
                     const SourceWarnings& warnings, bool as_errors) {
  const std::string_view tag = as_errors ? ": error: " : ": warning: ";
  for (const Warning& warning : warnings.shown()) {
    out << source_name;
    if (warning.line != 0) out << ':' << warning.line;
    out << tag << describe(warning) << '\n';
  }
  if (const std::size_t more = warnings.not_shown(); more != 0) {
    out << source_name << tag << counted(more, "more warning")
        << " not shown\n";
  }
}

}  // namespace wfpack
