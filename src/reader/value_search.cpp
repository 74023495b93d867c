#include "reader/value_search.h"

#include <algorithm>
#include <bit>

#include "reader/hex_value.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define WFPACK_SSE2 1
#endif

namespace wfpack {

namespace {

bool is_value_stop(char c) { return c == '0' || c == '\n' || c == '\0'; }

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
  WindowMasks masks;
  for (int i = 0; i < kWindowSize; i += 16) {
    const __m128i here = load(p + i);
    const __m128i next = load(p + i + 1);
    masks.starts |= bits(
        _mm_and_si128(_mm_cmpeq_epi8(here, zero), _mm_cmpeq_epi8(next, ex)), i);
    masks.line_stops |= bits(_mm_or_si128(_mm_cmpeq_epi8(here, line_feed),
                                          _mm_cmpeq_epi8(here, nul)),
                             i);
  }
  return masks;
}

// Bit i set where p[i] is a "0", a line feed or a NUL, for p[0] to p[15].
inline unsigned stops_of(const char* p) {
  const __m128i here = load(p);
  return static_cast<unsigned>(_mm_movemask_epi8(
      _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(here, _mm_set1_epi8('0')),
                                _mm_cmpeq_epi8(here, _mm_set1_epi8('\n'))),
                   _mm_cmpeq_epi8(here, _mm_setzero_si128()))));
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

// The bits below bit n; n may be 64.
std::uint64_t bits_below(int n) {
  return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

// Stores the plain values among starts, in order. Returns the first that is
// not plain, or nullptr.
const char* store_window_values(const char* p, std::uint64_t starts,
                                std::uint8_t*& next) {
  std::uint8_t* out = next;
  for (; starts != 0; starts &= starts - 1) {
    const char* value = p + std::countr_zero(starts);
    const std::uint8_t high = hex_digit_value(value[2]);
    const std::uint8_t low = hex_digit_value(value[3]);
    if ((high | low) > 0x0F || hex_digit_value(value[4]) != kNotHexDigit) {
      next = out;
      return value;
    }
    *out++ = static_cast<std::uint8_t>(high << 4 | low);
  }
  next = out;
  return nullptr;
}

}  // namespace

const char* store_plain_values(const char* p, const char* end, ValueRun& run,
                               char watched_line_start) {
  while (end - p >= kWindowSize + kReadAhead) {
    const WindowMasks masks = masks_of(p);
    std::uint64_t starts = masks.starts;
    std::uint64_t stops = masks.line_stops;
    // The "0" of a "0x" three characters after another can be the first
    // value's last digit ("0x10x5"), and a table may fill up within the
    // window: both are rare and left to the caller, from the window's first
    // value or line stop on.
    if ((starts & (starts << 3)) != 0 ||
        (run.table_end - run.next < kWindowSize &&
         std::popcount(starts) > run.table_end - run.next)) {
      const std::uint64_t events = starts | stops;
      return events != 0 ? p + std::countr_zero(events) : p;
    }
    // A "0" in the last byte has its "x" in the next window, so the next
    // window starts there unless a value or a line feed reaches further.
    const char* resume = p + kWindowSize - 1;
    if (starts != 0) {
      // The character after a value's digits is no digit and starts
      // nothing, but it may end the line.
      resume = std::max(resume, p + (63 - std::countl_zero(starts)) + 4);
    }
    for (;;) {
      const int stop_at = stops != 0 ? std::countr_zero(stops) : kWindowSize;
      const std::uint64_t before_stop = bits_below(stop_at);
      if (const char* odd =
              store_window_values(p, starts & before_stop, run.next)) {
        return odd;
      }
      if (stops == 0) break;
      const char* stop = p + stop_at;
      if (*stop == '\0' || stop[1] == watched_line_start) return stop;
      ++run.line_feeds;
      resume = std::max(resume, stop + 1);
      starts &= ~(before_stop | (before_stop + 1));
      stops &= stops - 1;
    }
    p = resume;
  }
  return p;
}

}  // namespace wfpack
