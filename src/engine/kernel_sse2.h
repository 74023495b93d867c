// The kernel for SSE2, which every x86-64 processor has: the bytes of a
// window classified 16 at a time.
#pragma once

#include "engine/masks.h"
#include "format/source_format.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define WFPACK_KERNEL_SSE2 1

namespace wfpack::engine {

namespace sse2 {

// Written out rather than looped throughout, so that every optimising
// build unrolls them and shifts by constants.
struct Flags {
  __m128i a, b, c, d;
};

inline Flags operator&(const Flags& x, const Flags& y) {
  return {_mm_and_si128(x.a, y.a), _mm_and_si128(x.b, y.b),
          _mm_and_si128(x.c, y.c), _mm_and_si128(x.d, y.d)};
}

inline Flags operator|(const Flags& x, const Flags& y) {
  return {_mm_or_si128(x.a, y.a), _mm_or_si128(x.b, y.b),
          _mm_or_si128(x.c, y.c), _mm_or_si128(x.d, y.d)};
}

inline Flags and_not(const Flags& x, const Flags& y) {
  return {_mm_andnot_si128(y.a, x.a), _mm_andnot_si128(y.b, x.b),
          _mm_andnot_si128(y.c, x.c), _mm_andnot_si128(y.d, x.d)};
}

inline __m128i load(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

template <class Classify>
Flags each(const char* p, Classify classify) {
  return {classify(load(p)), classify(load(p + 16)), classify(load(p + 32)),
          classify(load(p + 48))};
}

inline std::uint64_t bits(__m128i flags, int shift) {
  return std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(flags))}
         << shift;
}

}  // namespace sse2

struct Sse2Kernel {
  static constexpr bool kCheapDigits = false;

  using Flags = sse2::Flags;

  static Flags equal(const char* p, char c) {
    return sse2::each(p, [c](__m128i bytes) {
      return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c));
    });
  }

  static Flags at_least(const char* p, char c) {
    return sse2::each(p, [c](__m128i bytes) {
      return _mm_cmpgt_epi8(bytes, _mm_set1_epi8(static_cast<char>(c - 1)));
    });
  }

  static Flags and_not(const Flags& flags, const Flags& without) {
    return sse2::and_not(flags, without);
  }

  static std::uint64_t bits(const Flags& flags) {
    return sse2::bits(flags.a, 0) | sse2::bits(flags.b, 16) |
           sse2::bits(flags.c, 32) | sse2::bits(flags.d, 48);
  }
};

}  // namespace wfpack::engine

#endif
