#include "reader/value_search.h"

#include <algorithm>
#include <bit>

#include "reader/comment_window.h"
#include "reader/values_past_table.h"
#include "reader/window_isa.h"
#include "reader/window_read.h"

namespace wfpack {

namespace {

// "/" and "*", and "+" and "." with them: one test for both, which the
// caller then tells apart.
bool may_be_mark(char c) { return (c | 0x05) == '/'; }

bool is_value_stop(char c) {
  return c == '0' || c == '\n' || c == '\0' || may_be_mark(c);
}

#ifdef WFPACK_SSE2
// Bit i set where p[i] stops find_value_stop, for p[0] to p[15].
inline unsigned stops_of(const char* p) {
  const __m128i here = window_detail::load(p);
  const __m128i marks = _mm_cmpeq_epi8(_mm_or_si128(here, _mm_set1_epi8(0x05)),
                                       _mm_set1_epi8('/'));
  return static_cast<unsigned>(_mm_movemask_epi8(
      _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(here, _mm_set1_epi8('0')),
                                window_detail::line_stops_in(here)),
                   marks)));
}
#else
inline unsigned stops_of(const char* p) {
  unsigned stops = 0;
  for (int i = 0; i < 16; ++i) {
    if (is_value_stop(p[i])) stops |= 1u << i;
  }
  return stops;
}
#endif

}  // namespace

const char* find_value_stop(const char* p, const char* end) {
  // Right after a value the stop is often the next character or two.
  for (int i = 0; i < 2 && p < end; ++i, ++p) {
    if (is_value_stop(*p)) return p;
  }
  for (; end - p >= 16; p += 16) {
    if (const unsigned stops = stops_of(p)) return p + std::countr_zero(stops);
  }
  while (p < end && !is_value_stop(*p)) ++p;
  return p;
}

namespace {

// The usual window of a table: its comments, if any, only "/*" and "*/"
// apart from each other and from its values, as in "/* LenBr */ 0x04, ...".
// The general case goes out of line, so that this one stays small.
template <class Windows>
const char* read_windows(const char* p, const char* end, ValueRun& run,
                         char watched_line_start) {
  using namespace window_read;
  while (end - p >= kWindowSize + kReadAhead) {
    const bool full = run.next == run.table_end;
    if (full && run.comment_values == 0) {
      p = count_values_past_table<Windows>(p, end, run);
      if (end - p < kWindowSize + kReadAhead) break;
    }
    const WindowMasks masks = Windows::masks(p);
    const std::uint64_t starts = masks.starts;
    // The "0" of a "0x" three characters after another can be the first
    // value's last digit ("0x10x5"): rare, and left to the caller.
    if ((starts & (starts << 3)) != 0) {
      return p + std::countr_zero(starts | masks.line_stops | masks.opens |
                                  masks.closes | masks.line_comments);
    }
    std::uint64_t line_feeds = 0;
    const int limit =
        window_limit(p, masks.line_stops, run, watched_line_start, line_feeds);
    const std::uint64_t below = bits_below(limit);
    // Comments matter only for values that are stored.
    const Comments comments_before = run.comments;
    const char* const marks_from_before = run.marks_from;
    const bool commented =
        !full &&
        (((masks.opens | masks.closes | masks.line_comments) & below) != 0 ||
         run.comments.inside());
    std::uint64_t inside = 0;
    // Follows "/* */" comments from the window's start to bit to, again
    // when the window is cut shorter.
    const auto follow_to = [&](int to) {
      run.comments = comments_before;
      run.marks_from = marks_from_before;
      const std::uint64_t before_to = bits_below(to);
      return comment_window::block_comments_only(
          p, {masks.opens & before_to, masks.closes & before_to, 0}, to,
          run.comments, run.marks_from, inside);
    };
    if (commented && ((masks.line_comments & below) != 0 || !follow_to(limit) ||
                      (inside & starts & below) != 0)) {
      run.comments = comments_before;
      run.marks_from = marks_from_before;
      const Step step =
          read_commented_window(p, masks, run, watched_line_start);
      if (step.stop) return step.next;
      p = step.next;
      continue;
    }
    std::uint64_t taken = 0;
    std::uint64_t stored = 0;
    const char* odd = nullptr;
    if constexpr (Windows::kDigitMasks) {
      std::uint64_t after = 0;
      const std::uint64_t digits = Windows::digits(p, after);
      odd = take_values(p, starts & below, digits, after, run, taken, stored);
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

// The run is worked on in a copy of its own, which the compiler can keep in
// registers: every byte stored could otherwise change it as far as the
// compiler knows.
template <class Windows>
const char* read_windows_of_copy(const char* p, const char* end, ValueRun& run,
                                 char watched_line_start) {
  ValueRun local = run;
  const char* stop = read_windows<Windows>(p, end, local, watched_line_start);
  run = local;
  return stop;
}

#ifdef WFPACK_AVX2
// The whole search inlined into one function built for AVX2.
[[gnu::flatten]] WFPACK_TARGET_AVX2 const char* read_windows_avx2(
    const char* p, const char* end, ValueRun& run, char watched_line_start) {
  return read_windows_of_copy<Avx2Windows>(p, end, run, watched_line_start);
}
#endif

}  // namespace

const char* store_plain_values(const char* p, const char* end, ValueRun& run,
                               char watched_line_start) {
#ifdef WFPACK_AVX2
  if (cpu_has_avx2()) return read_windows_avx2(p, end, run, watched_line_start);
#endif
  return read_windows_of_copy<BaseWindows>(p, end, run, watched_line_start);
}

}  // namespace wfpack
