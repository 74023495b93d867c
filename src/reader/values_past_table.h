// Once a table is full, the values of its block are only counted, for the
// warning about a table that holds more than its size: a long run on past
// the end of the last bank (a block whose end is missing) is counted at
// nearly the speed the source is read.
#pragma once

#include <algorithm>

#include "reader/hex_value.h"
#include "reader/value_search.h"

namespace wfpack {

// A window may be read only where a value that starts in it can be read
// whole without looking past end.
inline constexpr std::ptrdiff_t kReadAhead = 8;

namespace past_table {

inline bool is_digit(char c) { return hex_digit_value(c) != kNotHexDigit; }

// Where the next window begins after a window whose "0x" all start values:
// p + 64, or past the digits of a value that runs on over the window's end;
// nullptr when they run on so far that the caller must read them.
inline const char* after_window(const char* p, bool before_readable) {
  const char* digits = nullptr;
  const char* last = p + kWindowSize - 1;
  if (last[0] == '0' && last[1] == 'x') {
    digits = last + 2;
  } else {
    // Back over the digits that end the window, to see what they follow.
    const char* q = last;
    while (q >= p && is_digit(*q)) --q;
    // A long run of digits, or one that may follow a "0x" before p: the
    // caller's.
    if (q < p || (q == p && !before_readable)) return nullptr;
    if (*q != 'x' || q[-1] != '0') return p + kWindowSize;
    digits = q + 1;
  }
  const char* limit = p + kWindowSize + kReadAhead;
  while (digits < limit && is_digit(*digits)) ++digits;
  if (digits == limit) return nullptr;
  return std::max(digits, p + kWindowSize);
}

}  // namespace past_table

// Counts the values of the windows from p on into run.dropped, as long as a
// window has no line stop and each "0x" in it certainly starts a value.
// Returns where the caller must go on reading value by value: at the first
// window that is not of that kind, or close to end. p must not be inside a
// value's digits, and neither is what it returns. Windows is one of the
// instruction sets of window_isa.h.
template <class Windows>
const char* count_values_past_table(const char* p, const char* end,
                                    ValueRun& run) {
  std::size_t counted = run.dropped;
  const char* const first = p;
  while (end - p >= kWindowSize + kReadAhead) {
    std::size_t count = 0;
    // The character before the first window is not known: a "0x" right at
    // its start is left to the caller.
    const bool plain =
        p != first ? Windows::count_plain(p, count)
                   : count_if_plain(Windows::count_masks(p), true, count);
    if (!plain) break;
    const char* next = past_table::after_window(p, p != first);
    if (next == nullptr) break;
    counted += count;
    p = next;
  }
  run.dropped = counted;
  return p;
}

}  // namespace wfpack
