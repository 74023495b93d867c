// The loop over the windows of a table body, built once for each kernel.
// The usual window (comments, if any, only "/*" and "*/" apart from each
// other and from its values, as in "/* LenBr */ 0x04, ...") is read inline;
// the general case goes out of line, so that this loop stays small.
#pragma once

#include <algorithm>
#include <bit>

#include "engine/comment_follow.h"
#include "engine/marks.h"
#include "engine/overrun_count.h"
#include "engine/values.h"

namespace wfpack::engine {

template <class Kernel>
const char* read_windows(const char* p, const char* end, ValueRun& run) {
  while (end - p >= kWindowSpan) {
    const bool full = run.next == run.table_end;
    if (full && run.comment_values == 0) {
      p = count_values_past_table<Kernel>(p, end, run);
      if (end - p < kWindowSpan) break;
    }
    WindowMarks marks = marks_of<Kernel>(p);
    const std::uint64_t starts = marks.starts;
    // The "0" of a value start three characters after another can be the
    // first value's last digit ("0x10x5"): rare, and left to the scanner,
    // from before any byte it may need to see.
    if ((starts & (starts << 3)) != 0) {
      marks.marked = marked_bytes<Kernel>(p);
      return p + std::countr_zero(starts | marks.line_stops |
                                  marks.comment_marks() |
                                  unusual_bytes(p, marks, 0, ~std::uint64_t{0},
                                                run.marks_from));
    }
    std::uint64_t line_feeds = 0;
    int limit = window_limit(p, marks.line_stops, run, line_feeds);
    std::uint64_t below = bits_below(limit);
    // Comments matter only for values that are stored.
    const Comments comments_before = run.comments;
    const char* const marks_from_before = run.marks_from;
    const bool commented = !full && ((marks.comment_marks() & below) != 0 ||
                                     run.comments.inside());
    std::uint64_t inside = 0;
    // Follows "/* */" comments from the window's start to bit to, again
    // when the window is cut shorter.
    const auto follow_to = [&](int to) {
      run.comments = comments_before;
      run.marks_from = marks_from_before;
      const std::uint64_t before_to = bits_below(to);
      return follow_slash_star_only(
          p, {marks.opens & before_to, marks.closes & before_to, 0}, to,
          run.comments, run.marks_from, inside);
    };
    if (commented && ((marks.line_comments & below) != 0 || !follow_to(limit) ||
                      (inside & starts & below) != 0)) {
      run.comments = comments_before;
      run.marks_from = marks_from_before;
      // A copy, which leaves the usual case its marks in registers.
      WindowMarks general = marks;
      if (!full) general.marked = marked_bytes<Kernel>(p);
      const Step step = read_commented_window(p, general, run);
      if (step.stop) return step.next;
      p = step.next;
      continue;
    }
    if (!full) {
      marks.marked = marked_bytes<Kernel>(p);
      if (const std::uint64_t unusual =
              unusual_bytes(p, marks, inside, below, marks_from_before)) {
        limit = std::countr_zero(unusual);
        below = bits_below(limit);
        line_feeds &= below;
        if (commented) follow_to(limit);
      }
    }
    std::uint64_t taken = 0;
    std::uint64_t stored = 0;
    const char* odd = nullptr;
    if constexpr (Kernel::kCheapDigits) {
      odd = take_values(p, starts & below, Kernel::bits(Kernel::hex_digits(p)),
                        Kernel::hex_digits_after(p), run, taken, stored);
    } else {
      odd = take_values(p, starts & below, run, taken, stored);
    }
    if (odd != nullptr) {
      // Comments and lines are followed only as far as the values.
      const int to = static_cast<int>(odd - p);
      if (commented) follow_to(to);
      run.line_feeds += count_bits(line_feeds & bits_below(to));
      return odd;
    }
    run.line_feeds += count_bits(line_feeds);
    if (limit < kWindowSize) return p + limit;
    run.marks_from = std::max(run.marks_from, p + kWindowSize);
    p = next_window(p, taken);
  }
  return p;
}

// The first byte from p on that the scanner must look at, byte by byte: the
// window loop stops at one, or in the tail.
inline const char* next_stop(const char* p, const char* end) {
  while (p < end && *p != kValuePrefix[0] && !is_line_stop(*p) &&
         !may_mark_comment(*p)) {
    ++p;
  }
  return p;
}

// The whole search on a copy of the run, which the compiler can keep in
// registers: a store through a byte pointer may alias the run itself.
template <class Kernel>
const char* search_values(const char* p, const char* end, ValueRun& run) {
  ValueRun local = run;
  p = read_windows<Kernel>(p, end, local);
  run = local;
  return next_stop(p, end);
}

}  // namespace wfpack::engine
