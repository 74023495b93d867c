#pragma once

#include <string_view>

#include "app/text_out.h"
#include "warnings/source_warnings.h"

namespace wfpack {

// Prints the warnings one a line, as compilers do, so that editors can jump
// to them: "SOURCE:LINE: warning: TEXT", or "SOURCE: warning: TEXT" for what
// concerns the whole source; those beyond the shown ones are counted. As
// errors, "error:" takes the place of "warning:".
void report_warnings(TextOut out, std::string_view source_name,
                     const SourceWarnings& warnings, bool as_errors = false);

}  // namespace wfpack
