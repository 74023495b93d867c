// Once a table is full, the values of its block are only counted, for the
// warning about a table that holds more than its size: a long run on past
// the end of the last bank (a block whose end is missing) is counted at
// nearly the speed the source is read.
#pragma once

#include "reader/value_search.h"

namespace wfpack {

// A window may be read only where a value that starts in it can be read
// whole without looking past end.
inline constexpr std::ptrdiff_t kReadAhead = 8;

// Counts the values of the windows from p on into run.dropped, as long as a
// window has no line stop and each "0x" in it certainly starts a value.
// Returns where the caller must go on reading value by value: at the first
// window that is not of that kind, or close to end. p must not be inside a
// value's digits, and neither is what it returns.
const char* count_values_past_table(const char* p, const char* end,
                                    ValueRun& run);

}  // namespace wfpack
