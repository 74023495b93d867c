// How a run reports a file it could not open, read or write: a line on
// the console, which build scripts read, and one on diagnostics with the
// file's full name and the system's reason, as compilers say it.
#pragma once

#include <string_view>

#include "app/text_out.h"
#include "platform/native_file.h"

namespace wfpack {

// "File open err (NAME)." on the console.
void report(TextOut& console, std::string_view what, std::string_view name);

// Whether name is a directory. A directory opens for reading on some
// systems and then fails at the first read; it is no source file, so it is
// reported as one that cannot be opened.
bool is_directory(std::string_view name);

// "wfpack: cannot ACTION 'NAME': REASON" on diagnostics; a directory where
// a file was meant is said to be one.
void explain(TextOut& diagnostics, std::string_view action,
             std::string_view name, platform::Failure failure);

}  // namespace wfpack
