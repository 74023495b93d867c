#pragma once

#include <span>

#include "app/text_out.h"

namespace wfpack {

inline constexpr int kExitSuccess = 0;
// Handed to the process exit as it is; a parent that keeps 8 bits of the
// status sees 255.
inline constexpr int kExitFailure = -1;
// With -Werror, a source that gives a warning.
inline constexpr int kExitWarningsAsErrors = 1;
// An option wfpack does not know, or one without its value.
inline constexpr int kExitBadOption = 2;

// One whole run: args is the argument vector, program name first. The
// banner, usage and help texts and failures go to console, which build
// scripts read; warnings about the source and errors in the options go to
// diagnostics. Returns the exit status.
int run(std::span<const char* const> args, TextOut console,
        TextOut diagnostics);

}  // namespace wfpack
