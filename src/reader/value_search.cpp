#include "reader/value_search.h"

#include <algorithm>
#include <bit>

#include "reader/comment_window.h"
#include "reader/hex_value.h"
#include "reader/window_bits.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define WFPACK_SSE2 1
#endif

namespace wfpack {

namespace {

// "/" and "*", and "+" and "." with them: one test for both, which
// Comments then tells apart.
bool may_be_mark(char c) { return (c | 0x05) == '/'; }

bool is_value_stop(char c) {
  return c == '0' || c == '\n' || c == '\0' || may_be_mark(c);
}

// A window may be read only where a value that starts in it can be read
// whole without looking past end.
constexpr std::ptrdiff_t kReadAhead = 8;

}  // namespace

WindowMasks window_masks_bytewise(const char* p) {
  WindowMasks masks;
  for (int i = 0; i < kWindowSize; ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (p[i] == '0' && p[i + 1] == 'x') masks.starts |= bit;
    if (p[i] == '\n' || p[i] == '\0') masks.line_stops |= bit;
    if (may_be_mark(p[i]) && may_be_mark(p[i + 1])) masks.comment_marks |= bit;
  }
  return masks;
}

#ifdef WFPACK_SSE2
namespace {

__m128i load(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

std::uint64_t bits(__m128i equal, int shift) {
  return static_cast<std::uint64_t>(
             static_cast<unsigned>(_mm_movemask_epi8(equal)))
         << shift;
}

// Inlined into the searches, which spend most of their time here.
inline WindowMasks masks_of(const char* p) {
  const __m128i zero = _mm_set1_epi8('0');
  const __m128i ex = _mm_set1_epi8('x');
  const __m128i line_feed = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  const __m128i mark_bits = _mm_set1_epi8(0x05);
  const __m128i slash = _mm_set1_epi8('/');
  std::uint64_t may_marks = 0;
  WindowMasks masks;
  for (int i = 0; i < kWindowSize; i += 16) {
    const __m128i here = load(p + i);
    const __m128i next = load(p + i + 1);
    masks.starts |= bits(
        _mm_and_si128(_mm_cmpeq_epi8(here, zero), _mm_cmpeq_epi8(next, ex)), i);
    masks.line_stops |= bits(_mm_or_si128(_mm_cmpeq_epi8(here, line_feed),
                                          _mm_cmpeq_epi8(here, nul)),
                             i);
    may_marks |= bits(_mm_cmpeq_epi8(_mm_or_si128(here, mark_bits), slash), i);
  }
  const std::uint64_t last = may_be_mark(p[kWindowSize]) ? 1 : 0;
  masks.comment_marks = may_marks & (may_marks >> 1 | last << 63);
  return masks;
}

// Bit i set where p[i] stops find_value_stop, for p[0] to p[15].
inline unsigned stops_of(const char* p) {
  const __m128i here = load(p);
  const __m128i marks = _mm_cmpeq_epi8(_mm_or_si128(here, _mm_set1_epi8(0x05)),
                                       _mm_set1_epi8('/'));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(here, _mm_set1_epi8('0')),
                   _mm_cmpeq_epi8(here, _mm_set1_epi8('\n'))),
      _mm_or_si128(_mm_cmpeq_epi8(here, _mm_setzero_si128()), marks))));
}

}  // namespace
#else
namespace {

inline WindowMasks masks_of(const char* p) { return window_masks_bytewise(p); }

inline unsigned stops_of(const char* p) {
  unsigned stops = 0;
  for (int i = 0; i < 16; ++i) {
    if (is_value_stop(p[i])) stops |= 1u << i;
  }
  return stops;
}

}  // namespace
#endif

WindowMasks window_masks(const char* p) { return masks_of(p); }

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

// Stores the plain values among starts, in order, or counts them as dropped
// once the table is full. Returns the first that is not plain, or nullptr;
// taken is set to the starts read. Locals throughout: a byte stored could
// otherwise change anything the compiler cannot see is apart.
const char* take_window_values(const char* p, std::uint64_t starts,
                               ValueRun& run, std::uint64_t& taken) {
  std::uint8_t* out = run.next;
  const std::uint8_t* const table_end = run.table_end;
  std::size_t dropped = run.dropped;
  const char* odd = nullptr;
  std::uint64_t left = starts;
  for (; left != 0; left &= left - 1) {
    const char* value = p + std::countr_zero(left);
    const std::uint8_t high = hex_digit_value(value[2]);
    const std::uint8_t low = hex_digit_value(value[3]);
    if ((high | low) > 0x0F || hex_digit_value(value[4]) != kNotHexDigit) {
      odd = value;
      break;
    }
    if (out == table_end) {
      ++dropped;
    } else {
      *out++ = static_cast<std::uint8_t>(high << 4 | low);
    }
  }
  taken = starts & ~left;
  run.next = out;
  run.dropped = dropped;
  return odd;
}

inline const char* read_windows(const char* p, const char* end, ValueRun& run,
                                char watched_line_start) {
  while (end - p >= kWindowSize + kReadAhead) {
    const WindowMasks masks = masks_of(p);
    const std::uint64_t starts = masks.starts;
    const std::uint64_t marks = masks.comment_marks;
    // The "0" of a "0x" three characters after another can be the first
    // value's last digit ("0x10x5"): rare, and left to the caller.
    if ((starts & (starts << 3)) != 0) {
      return p + std::countr_zero(starts | masks.line_stops | marks);
    }
    // How far the window may be read: up to a NUL, a line feed before a
    // line the caller must see, or the end of a line with values inside
    // comments, which the caller reports.
    int limit = kWindowSize;
    std::uint64_t line_feeds = 0;
    std::size_t line_feed_count = 0;
    for (std::uint64_t stops = masks.line_stops; stops != 0;
         stops &= stops - 1) {
      const int at = std::countr_zero(stops);
      if (p[at] == '\0' || p[at + 1] == watched_line_start ||
          run.comment_values != 0) {
        limit = at;
        break;
      }
      line_feeds |= std::uint64_t{1} << at;
      ++line_feed_count;
    }
    const std::uint64_t window_line_feeds = line_feeds;
    std::uint64_t inside = 0;
    const Comments comments_before = run.comments;
    const char* const marks_from_before = run.marks_from;
    const bool commented =
        (marks & bits_below(limit)) != 0 || run.comments.inside();
    // Follows the comments from the window's start, again when the
    // window is cut shorter.
    const auto follow = [&](int to) {
      run.comments = comments_before;
      run.marks_from = marks_from_before;
      line_feeds &= bits_below(to);
      inside = comment_window::follow(p, marks & bits_below(to), line_feeds, to,
                                      run.comments, run.marks_from);
    };
    if (commented) {
      follow(limit);
      if (const std::uint64_t in = starts & bits_below(limit) & inside) {
        // Only the first line with values inside comments is read.
        if (const std::uint64_t after =
                line_feeds & ~bits_below(std::countr_zero(in))) {
          limit = std::countr_zero(after);
          follow(limit);
        }
      }
    }
    std::uint64_t taken = 0;
    const char* odd =
        take_window_values(p, starts & bits_below(limit), run, taken);
    if (odd != nullptr) {
      // Comments and lines are followed only as far as the values.
      limit = static_cast<int>(odd - p);
      if (commented) follow(limit);
      line_feeds &= bits_below(limit);
    }
    run.comment_values += count_bits(taken & inside);
    // Counted while they were found, unless the window was cut shorter.
    run.line_feeds += line_feeds == window_line_feeds ? line_feed_count
                                                      : count_bits(line_feeds);
    if (odd != nullptr) return odd;
    if (limit < kWindowSize) return p + limit;
    const char* resume = p + kWindowSize;
    if (taken != 0) {
      // The character after a value's digits is no digit and starts
      // nothing, but it may end the line.
      resume = std::max(resume, p + (63 - std::countl_zero(taken)) + 4);
    }
    run.marks_from = std::max(run.marks_from, p + kWindowSize);
    p = resume;
  }
  return p;
}

}  // namespace

// The run is worked on in a copy of its own, which the compiler can keep in
// registers: every byte stored could otherwise change it as far as the
// compiler knows.
const char* store_plain_values(const char* p, const char* end, ValueRun& run,
                               char watched_line_start) {
  ValueRun local = run;
  const char* stop = read_windows(p, end, local, watched_line_start);
  run = local;
  return stop;
}

}  // namespace wfpack
