// Once a table is full, the values of its body are only counted, for the
// warning about a table that holds more than its size: a long run on past
// the end of the last bank (a body whose end is missing) is counted at
// nearly the speed the source is read.
#pragma once

#include <algorithm>

#include "engine/marks.h"
#include "engine/masks.h"
#include "engine/value_engine.h"
#include "format/hex_value.h"

namespace wfpack::engine {

inline bool is_digit(char c) { return hex_digit_value(c) != kNotHexDigit; }

// Where the next window begins after a window counted whole: p + 64, or
// past the digits of a value that runs on over its end; nullptr where they
// run on so far that the caller must read them. Read byte by byte on
// purpose: its branches are predicted, so that the next window's loads need
// not wait for this one's masks.
inline const char* after_counted_window(const char* p, bool before_readable) {
  int digits = 0;  // where the digits of the last value start
  if (starts_value(p[kWindowSize - 1], p[kWindowSize])) {
    digits = kWindowSize + 1;
  } else {
    // Back over the digits that end the window, to see what they follow.
    int at = kWindowSize - 1;
    while (at >= 0 && is_digit(p[at])) --at;
    // A long run of digits, or one that may follow a prefix before p: the
    // caller's.
    if (at < 0 || (at == 0 && !before_readable)) return nullptr;
    if (!starts_value(p[at - 1], p[at])) return p + kWindowSize;
    digits = at + 1;
  }
  while (digits < kWindowSpan && is_digit(p[digits])) ++digits;
  if (digits == kWindowSpan) return nullptr;
  return p + std::max(digits, kWindowSize);
}

// Counts the values of the windows from p on into run.dropped, as long as a
// window has no line stop and each value start in it is certain. Returns
// where the caller must go on reading value by value: at the first window
// that is not of that kind, or close to end. p must not be inside a value's
// digits, and neither is what it returns.
template <class Kernel>
const char* count_values_past_table(const char* p, const char* end,
                                    ValueRun& run) {
  std::size_t counted = run.dropped;
  const char* const first = p;
  while (end - p >= kWindowSpan) {
    // The character before the first window is not known: a value start
    // right at its start is left to the caller.
    std::size_t count = 0;
    if (!count_if_certain<Kernel>(p, p != first, count)) break;
    const char* next = after_counted_window(p, p != first);
    if (next == nullptr) break;
    counted += count;
    p = next;
  }
  run.dropped = counted;
  return p;
}

}  // namespace wfpack::engine
