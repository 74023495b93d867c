// What a window of 64 bytes of a block holds, one bit per byte: bit i of a
// mask stands for p[i]. The value search asks this of nearly every window
// of a table, so the masks are built inline, 16 bytes at a time with SSE2
// where the processor has it (every x86-64 does), and byte by byte
// elsewhere; both give the same masks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "reader/window_bits.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define WFPACK_SSE2 1
#endif

namespace wfpack {

inline constexpr std::ptrdiff_t kWindowSize = 64;

struct WindowMasks {
  std::uint64_t starts = 0;         // "0x", which starts a value
  std::uint64_t line_stops = 0;     // a line feed, or a NUL that hides the rest
                                    // of its line
  std::uint64_t opens = 0;          // "/*"
  std::uint64_t closes = 0;         // "*/"
  std::uint64_t line_comments = 0;  // "//"
};

// Once a table is full its values are only counted, and only this is asked.
struct CountMasks {
  std::uint64_t starts = 0;
  std::uint64_t line_stops = 0;
  // Any character from "0" up: a "0x" right after one may be a value's
  // digits rather than a value's start; after anything else it never is.
  std::uint64_t high = 0;
};

namespace window_detail {

inline bool is_line_stop(char c) { return c == '\n' || c == '\0'; }
inline bool is_high(char c) { return static_cast<signed char>(c) >= '0'; }

// The marks made of pairs of slashes and stars, bit 64 standing for p[64].
inline void set_comment_marks(WindowMasks& masks, std::uint64_t slashes,
                              std::uint64_t stars, char after) {
  const std::uint64_t next_slashes = slashes >> 1 | std::uint64_t{after == '/'}
                                                        << 63;
  const std::uint64_t next_stars = stars >> 1 | std::uint64_t{after == '*'}
                                                    << 63;
  masks.opens = slashes & next_stars;
  masks.closes = stars & next_slashes;
  masks.line_comments = slashes & next_slashes;
}

}  // namespace window_detail

// Describes p[0] to p[63], reading p[64] too for a pair that ends there.
inline WindowMasks window_masks_bytewise(const char* p) {
  WindowMasks masks;
  std::uint64_t slashes = 0;
  std::uint64_t stars = 0;
  for (int i = 0; i < kWindowSize; ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (p[i] == '0' && p[i + 1] == 'x') masks.starts |= bit;
    if (window_detail::is_line_stop(p[i])) masks.line_stops |= bit;
    if (p[i] == '/') slashes |= bit;
    if (p[i] == '*') stars |= bit;
  }
  window_detail::set_comment_marks(masks, slashes, stars, p[kWindowSize]);
  return masks;
}

inline CountMasks count_masks_bytewise(const char* p) {
  CountMasks masks;
  for (int i = 0; i < kWindowSize; ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (p[i] == '0' && p[i + 1] == 'x') masks.starts |= bit;
    if (window_detail::is_line_stop(p[i])) masks.line_stops |= bit;
    if (window_detail::is_high(p[i])) masks.high |= bit;
  }
  return masks;
}

// Counts into counted the values of a window past a full table and
// returns true, if it has no line stop and each "0x" in it certainly starts
// a value. A "0x" after a digit or an "x" may be a value's digits
// ("0x10x5"); after any other character it always starts one. high_before
// tells whether the character before the window may be one of those.
inline bool count_if_plain(const CountMasks& masks, bool high_before,
                           std::size_t& counted) {
  if (masks.line_stops != 0 ||
      (masks.starts & (masks.high << 1 | (high_before ? 1 : 0))) != 0) {
    return false;
  }
  counted += count_all_bits(masks.starts);
  return true;
}

#ifdef WFPACK_SSE2
namespace window_detail {

inline __m128i load(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline std::uint64_t bits(__m128i equal, int shift) {
  return static_cast<std::uint64_t>(
             static_cast<unsigned>(_mm_movemask_epi8(equal)))
         << shift;
}

inline __m128i starts_in(__m128i here, const char* next) {
  return _mm_and_si128(_mm_cmpeq_epi8(here, _mm_set1_epi8('0')),
                       _mm_cmpeq_epi8(load(next), _mm_set1_epi8('x')));
}

inline __m128i line_stops_in(__m128i here) {
  return _mm_or_si128(_mm_cmpeq_epi8(here, _mm_set1_epi8('\n')),
                      _mm_cmpeq_epi8(here, _mm_setzero_si128()));
}

}  // namespace window_detail

inline WindowMasks window_masks(const char* p) {
  using namespace window_detail;
  WindowMasks masks;
  std::uint64_t slashes = 0;
  std::uint64_t stars = 0;
  // Written out rather than looped, so that every optimising build unrolls
  // it and shifts by constants.
  const auto chunk = [&](int i) {
    const __m128i here = load(p + i);
    masks.starts |= bits(starts_in(here, p + i + 1), i);
    masks.line_stops |= bits(line_stops_in(here), i);
    slashes |= bits(_mm_cmpeq_epi8(here, _mm_set1_epi8('/')), i);
    stars |= bits(_mm_cmpeq_epi8(here, _mm_set1_epi8('*')), i);
  };
  chunk(0);
  chunk(16);
  chunk(32);
  chunk(48);
  set_comment_marks(masks, slashes, stars, p[kWindowSize]);
  return masks;
}

inline CountMasks count_masks(const char* p) {
  using namespace window_detail;
  CountMasks masks;
  const auto chunk = [&](int i) {
    const __m128i here = load(p + i);
    masks.starts |= bits(starts_in(here, p + i + 1), i);
    masks.line_stops |= bits(line_stops_in(here), i);
    masks.high |= bits(_mm_cmpgt_epi8(here, _mm_set1_epi8('0' - 1)), i);
  };
  chunk(0);
  chunk(16);
  chunk(32);
  chunk(48);
  return masks;
}
#else
inline WindowMasks window_masks(const char* p) {
  return window_masks_bytewise(p);
}
inline CountMasks count_masks(const char* p) { return count_masks_bytewise(p); }
#endif

}  // namespace wfpack
