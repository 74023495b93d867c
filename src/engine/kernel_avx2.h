// The kernel for AVX2: the bytes of a window classified 32 at a time,
// which nearly halves the cost of every window next to SSE2. Built with the
// compiler's target attribute, so that the rest of the program runs on any
// x86-64 processor; the dispatch uses it only where the processor has
// AVX2.
#pragma once

#include <array>

#include "engine/masks.h"
#include "format/source_format.h"

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#include <immintrin.h>
#define WFPACK_KERNEL_AVX2 1
// Every processor with AVX2 has these too.
#define WFPACK_TARGET_AVX2 [[gnu::target("avx2,bmi,bmi2,popcnt")]]

namespace wfpack::engine {

// Whether the processor, and the system for its registers, has AVX2 and
// the instructions that come with it.
bool cpu_has_avx2();

// No lambdas here: a lambda's body would not have the target of the
// function around it.
namespace avx2 {

struct Flags {
  __m256i low, high;
};

WFPACK_TARGET_AVX2 inline Flags operator&(const Flags& x, const Flags& y) {
  return {_mm256_and_si256(x.low, y.low), _mm256_and_si256(x.high, y.high)};
}

WFPACK_TARGET_AVX2 inline Flags operator|(const Flags& x, const Flags& y) {
  return {_mm256_or_si256(x.low, y.low), _mm256_or_si256(x.high, y.high)};
}

WFPACK_TARGET_AVX2 inline Flags and_not(const Flags& x, const Flags& y) {
  return {_mm256_andnot_si256(y.low, x.low),
          _mm256_andnot_si256(y.high, x.high)};
}

WFPACK_TARGET_AVX2 inline __m256i load(const char* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

// Every byte value repeated over a vector, for the compares to read from
// memory: built in a register instead, each such constant is built anew in
// every window, as the calls the loop makes keep no vector register. It is
// not const, or the compiler would fold it back into those registers.
struct alignas(32) Repeated {
  char bytes[32];
};
constexpr std::array<Repeated, 256> make_repeated() {
  std::array<Repeated, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (char& byte : table[i].bytes) byte = static_cast<char>(i);
  }
  return table;
}
alignas(32) inline constinit std::array<Repeated, 256> kRepeated =
    make_repeated();

WFPACK_TARGET_AVX2 inline __m256i repeated(char c) {
  return _mm256_load_si256(reinterpret_cast<const __m256i*>(
      kRepeated[static_cast<unsigned char>(c)].bytes));
}

WFPACK_TARGET_AVX2 inline __m256i equal(__m256i bytes, char c) {
  return _mm256_cmpeq_epi8(bytes, repeated(c));
}

WFPACK_TARGET_AVX2 inline __m256i at_least(__m256i bytes, char c) {
  return _mm256_cmpgt_epi8(bytes, repeated(static_cast<char>(c - 1)));
}

// x <= limit, for unsigned bytes.
WFPACK_TARGET_AVX2 inline __m256i at_most(__m256i x, char limit) {
  return _mm256_cmpeq_epi8(_mm256_min_epu8(x, repeated(limit)), x);
}

WFPACK_TARGET_AVX2 inline __m256i hex_digits(__m256i bytes) {
  const __m256i lower = _mm256_or_si256(bytes, repeated(kLetterCaseBit));
  return _mm256_or_si256(
      at_most(_mm256_sub_epi8(bytes, repeated('0')), 9),
      at_most(_mm256_sub_epi8(lower, repeated(kFirstHexLetter)),
              kHexLetterCount - 1));
}

WFPACK_TARGET_AVX2 inline std::uint32_t bits(__m256i flags) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(flags));
}

}  // namespace avx2

struct Avx2Kernel {
  static constexpr bool kCheapDigits = true;

  using Flags = avx2::Flags;

  WFPACK_TARGET_AVX2 static Flags equal(const char* p, char c) {
    return {avx2::equal(avx2::load(p), c), avx2::equal(avx2::load(p + 32), c)};
  }

  WFPACK_TARGET_AVX2 static Flags at_least(const char* p, char c) {
    return {avx2::at_least(avx2::load(p), c),
            avx2::at_least(avx2::load(p + 32), c)};
  }

  WFPACK_TARGET_AVX2 static Flags and_not(const Flags& flags,
                                          const Flags& without) {
    return avx2::and_not(flags, without);
  }

  WFPACK_TARGET_AVX2 static Flags hex_digits(const char* p) {
    return {avx2::hex_digits(avx2::load(p)),
            avx2::hex_digits(avx2::load(p + 32))};
  }

  // The hexadecimal digits of the 4 bytes after the window, as bits 0 to
  // 3, from the 32 bytes that end with them.
  WFPACK_TARGET_AVX2 static unsigned hex_digits_after(const char* p) {
    return avx2::bits(avx2::hex_digits(avx2::load(p + kWindowSize + 4 - 32))) >>
           28;
  }

  WFPACK_TARGET_AVX2 static std::uint64_t bits(const Flags& flags) {
    return avx2::bits(flags.low) | std::uint64_t{avx2::bits(flags.high)} << 32;
  }
};

}  // namespace wfpack::engine

#endif
