#include "app/warning_report.h"

namespace wfpack {

void report_warnings(std::ostream& out, std::string_view source_name,
                     const SourceWarnings& warnings) {
  for (const Warning& warning : warnings.shown()) {
    out << source_name;
    if (warning.line != 0) out << ':' << warning.line;
    out << ": warning: " << describe(warning) << '\n';
  }
  if (const std::size_t more = warnings.not_shown(); more != 0) {
    out << source_name << ": warning: " << more << " more warnings not shown\n";
  }
}

}  // namespace wfpack
