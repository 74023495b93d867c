// The instruction sets the value search is built for, each a set of the
// same three operations on a window of 64 bytes. The search is one template
// instantiated for each; the processor decides at run time which one runs.
// AVX2 looks at 32 bytes at a time where SSE2 looks at 16, which nearly
// halves the cost of every window's masks.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "reader/window_bits.h"
#include "reader/window_masks.h"

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#include <immintrin.h>
#define WFPACK_AVX2 1
// Every processor with AVX2 has these too.
#define WFPACK_TARGET_AVX2 [[gnu::target("avx2,bmi,bmi2,popcnt")]]
#endif

namespace wfpack {

// SSE2 where the processor has it, byte by byte elsewhere.
struct BaseWindows {
  // Whether digits() is cheap enough to check every value of a window at
  // once.
  static constexpr bool kDigitMasks = false;
  static std::uint64_t digits(const char*, std::uint64_t&) { return 0; }
  static WindowMasks masks(const char* p) { return window_masks(p); }
  static CountMasks count_masks(const char* p) {
    return wfpack::count_masks(p);
  }
  // For a window whose previous character may be read: counts its "0x"
  // into counted and returns true if it has no line stop and each follows a
  // character below "0".
  static bool count_plain(const char* p, std::size_t& counted);
};

#ifdef WFPACK_SSE2
inline bool BaseWindows::count_plain(const char* p, std::size_t& counted) {
  using namespace window_detail;
  const __m128i below_zero = _mm_set1_epi8('0' - 1);
  // Counted in bytes and summed at the end: no mask is built.
  __m128i count = _mm_setzero_si128();
  __m128i trouble = _mm_setzero_si128();
  const auto chunk = [&](int i) {
    const __m128i here = load(p + i);
    const __m128i starts = starts_in(here, p + i + 1);
    count = _mm_sub_epi8(count, starts);
    const __m128i after_high = _mm_cmpgt_epi8(load(p + i - 1), below_zero);
    trouble = _mm_or_si128(
        trouble,
        _mm_or_si128(_mm_and_si128(starts, after_high), line_stops_in(here)));
  };
  chunk(0);
  chunk(16);
  chunk(32);
  chunk(48);
  if (_mm_movemask_epi8(trouble) != 0) return false;
  const __m128i sums = _mm_sad_epu8(count, _mm_setzero_si128());
  counted += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
             static_cast<std::size_t>(
                 _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
  return true;
}
#else
inline bool BaseWindows::count_plain(const char* p, std::size_t& counted) {
  return count_if_plain(count_masks_bytewise(p), window_detail::is_high(p[-1]),
                        counted);
}
#endif

#ifdef WFPACK_AVX2
// Whether the processor, and the system for its registers, has AVX2 and
// the instructions that come with it.
bool cpu_has_avx2();

namespace avx2_detail {

WFPACK_TARGET_AVX2 inline __m256i load(const char* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

WFPACK_TARGET_AVX2 inline std::uint64_t bits(__m256i equal, int shift) {
  return static_cast<std::uint64_t>(
             static_cast<std::uint32_t>(_mm256_movemask_epi8(equal)))
         << shift;
}

WFPACK_TARGET_AVX2 inline __m256i starts_in(__m256i here, const char* next) {
  return _mm256_and_si256(_mm256_cmpeq_epi8(here, _mm256_set1_epi8('0')),
                          _mm256_cmpeq_epi8(load(next), _mm256_set1_epi8('x')));
}

WFPACK_TARGET_AVX2 inline __m256i line_stops_in(__m256i here) {
  return _mm256_or_si256(_mm256_cmpeq_epi8(here, _mm256_set1_epi8('\n')),
                         _mm256_cmpeq_epi8(here, _mm256_setzero_si256()));
}

// x <= limit, for unsigned bytes.
WFPACK_TARGET_AVX2 inline __m256i at_most(__m256i x, char limit) {
  return _mm256_cmpeq_epi8(_mm256_min_epu8(x, _mm256_set1_epi8(limit)), x);
}

WFPACK_TARGET_AVX2 inline __m256i digits_in(__m256i here) {
  const __m256i lower = _mm256_or_si256(here, _mm256_set1_epi8(0x20));
  return _mm256_or_si256(
      at_most(_mm256_sub_epi8(here, _mm256_set1_epi8('0')), 9),
      at_most(_mm256_sub_epi8(lower, _mm256_set1_epi8('a')), 5));
}

WFPACK_TARGET_AVX2 inline __m256i high_in(__m256i here) {
  return _mm256_cmpgt_epi8(here, _mm256_set1_epi8('0' - 1));
}

}  // namespace avx2_detail

// No lambdas here: a lambda's body would not have the target of the
// function around it.
struct Avx2Windows {
  static constexpr bool kDigitMasks = true;

  // The digits of p[0] to p[63], and in after those of p[64] to p[67].
  WFPACK_TARGET_AVX2 static std::uint64_t digits(const char* p,
                                                 std::uint64_t& after) {
    using namespace avx2_detail;
    after = bits(digits_in(load(p + 36)), 0) >> 28;
    return bits(digits_in(load(p)), 0) | bits(digits_in(load(p + 32)), 32);
  }

  WFPACK_TARGET_AVX2 static WindowMasks masks(const char* p) {
    using namespace avx2_detail;
    const __m256i low = load(p);
    const __m256i high = load(p + 32);
    const __m256i slash = _mm256_set1_epi8('/');
    const __m256i star = _mm256_set1_epi8('*');
    WindowMasks masks;
    masks.starts =
        bits(starts_in(low, p + 1), 0) | bits(starts_in(high, p + 33), 32);
    masks.line_stops =
        bits(line_stops_in(low), 0) | bits(line_stops_in(high), 32);
    window_detail::set_comment_marks(
        masks,
        bits(_mm256_cmpeq_epi8(low, slash), 0) |
            bits(_mm256_cmpeq_epi8(high, slash), 32),
        bits(_mm256_cmpeq_epi8(low, star), 0) |
            bits(_mm256_cmpeq_epi8(high, star), 32),
        p[kWindowSize]);
    return masks;
  }

  WFPACK_TARGET_AVX2 static CountMasks count_masks(const char* p) {
    using namespace avx2_detail;
    const __m256i low = load(p);
    const __m256i high = load(p + 32);
    CountMasks masks;
    masks.starts =
        bits(starts_in(low, p + 1), 0) | bits(starts_in(high, p + 33), 32);
    masks.line_stops =
        bits(line_stops_in(low), 0) | bits(line_stops_in(high), 32);
    masks.high = bits(high_in(low), 0) | bits(high_in(high), 32);
    return masks;
  }

  WFPACK_TARGET_AVX2 static bool count_plain(const char* p,
                                             std::size_t& counted) {
    using namespace avx2_detail;
    const __m256i low = load(p);
    const __m256i high = load(p + 32);
    const __m256i low_starts = starts_in(low, p + 1);
    const __m256i high_starts = starts_in(high, p + 33);
    const __m256i trouble = _mm256_or_si256(
        _mm256_or_si256(_mm256_and_si256(low_starts, high_in(load(p - 1))),
                        _mm256_and_si256(high_starts, high_in(load(p + 31)))),
        _mm256_or_si256(line_stops_in(low), line_stops_in(high)));
    if (_mm256_movemask_epi8(trouble) != 0) return false;
    counted += static_cast<std::size_t>(
        std::popcount(bits(low_starts, 0) | bits(high_starts, 32)));
    return true;
  }
};
#endif

}  // namespace wfpack
