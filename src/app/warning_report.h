#pragma once

#include <ostream>
#include <string_view>

#include "warnings/source_warnings.h"

namespace wfpack {

// Prints the warnings one a line, as compilers do, so that editors can jump
// to them: "SOURCE:LINE: warning: TEXT", or "SOURCE: warning: TEXT" for what
// concerns the whole source; those beyond the shown ones are counted.
void report_warnings(std::ostream& out, std::string_view source_name,
                     const SourceWarnings& warnings);

}  // namespace wfpack
