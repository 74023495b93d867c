#include "reader/values_past_table.h"

#include <algorithm>

#include "reader/hex_value.h"
#include "reader/window_bits.h"

namespace wfpack {

namespace {

bool is_digit(char c) { return hex_digit_value(c) != kNotHexDigit; }

// Where the next window begins after a window whose "0x" all start values:
// p + 64, or past the digits of a value that runs on over the window's end;
// nullptr when they run on so far that the caller must read them.
const char* after_window(const char* p, bool before_readable) {
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

// Bit 0 set if the character before p may be a value's digit, as it is
// taken to be when it cannot be read.
std::uint64_t high_before(const char* p, const char* first) {
  return p == first || window_detail::is_high(p[-1]) ? 1 : 0;
}

}  // namespace

#ifdef WFPACK_SSE2
namespace {

// A window after the first, whose previous character can be read: counts
// its "0x" into counted and returns true if it has no line stop and each
// follows a character below "0". Counts in bytes, summed at the end, so
// that no mask is built for the usual window.
inline bool count_plain_window(const char* p, std::size_t& counted) {
  using namespace window_detail;
  const __m128i below_zero = _mm_set1_epi8('0' - 1);
  __m128i count = _mm_setzero_si128();
  __m128i trouble = _mm_setzero_si128();
  for (int i = 0; i < kWindowSize; i += 16) {
    const __m128i here = load(p + i);
    const __m128i starts = starts_in(here, p + i + 1);
    count = _mm_sub_epi8(count, starts);
    const __m128i after_high = _mm_cmpgt_epi8(load(p + i - 1), below_zero);
    trouble = _mm_or_si128(
        trouble,
        _mm_or_si128(_mm_and_si128(starts, after_high), line_stops_in(here)));
  }
  if (_mm_movemask_epi8(trouble) != 0) return false;
  const __m128i sums = _mm_sad_epu8(count, _mm_setzero_si128());
  counted += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
             static_cast<std::size_t>(
                 _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
  return true;
}

}  // namespace
#endif

const char* count_values_past_table(const char* p, const char* end,
                                    ValueRun& run) {
  // The character before p is not known: a "0x" right at p is left to the
  // caller.
  std::size_t counted = run.dropped;
  const char* const first = p;
  while (end - p >= kWindowSize + kReadAhead) {
    std::size_t count = 0;
#ifdef WFPACK_SSE2
    if (p != first) {
      if (!count_plain_window(p, count)) break;
    } else
#endif
    {
      const CountMasks masks = count_masks(p);
      // A "0x" after a digit or an "x" may be a value's digits ("0x10x5"):
      // after any other character it always starts one.
      if (masks.line_stops != 0 ||
          (masks.starts & (masks.high << 1 | high_before(p, first))) != 0) {
        break;
      }
      count = count_all_bits(masks.starts);
    }
    const char* next = after_window(p, p != first);
    if (next == nullptr) break;
    counted += count;
    p = next;
  }
  run.dropped = counted;
  return p;
}

}  // namespace wfpack
