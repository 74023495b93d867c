#pragma once

#include <ostream>
#include <span>

namespace wfpack {

inline constexpr int kExitSuccess = 0;
// Handed to the process exit as it is; a parent that keeps 8 bits of the
// status sees 255.
inline constexpr int kExitFailure = -1;

// One whole conversion: args is the argument vector, program name first.
// The banner, usage text and failures go to console, which build scripts
// read; warnings about the source go to diagnostics. Returns the exit
// status.
int run(std::span<const char* const> args, std::ostream& console,
        std::ostream& diagnostics);

}  // namespace wfpack
