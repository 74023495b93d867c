// A window of a table body and its masks: bit i of a mask stands for byte
// p[i] of the window at p.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace wfpack::engine {

inline constexpr int kWindowSize = 64;

// A window is read only where this many bytes are left from its start: its
// classification reads one byte past it, a value that starts at its last
// byte has its digits and the character after them in the next 4, and past
// a full table the digits that run on over its end are followed up to 8.
inline constexpr std::ptrdiff_t kWindowSpan = kWindowSize + 8;

// The bits below bit n; n may be 64.
inline std::uint64_t bits_below(int n) {
  return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

inline std::uint64_t bits_from_to(int from, int to) {
  return bits_below(to) & ~bits_below(from);
}

inline std::size_t count_bits(std::uint64_t bits) {
  return static_cast<std::size_t>(std::popcount(bits));
}

// The lowest count of the bits set in bits.
inline std::uint64_t lowest_bits(std::uint64_t bits, std::size_t count) {
  std::uint64_t kept = 0;
  for (; count > 0 && bits != 0; --count, bits &= bits - 1) {
    kept |= bits & (~bits + 1);
  }
  return kept;
}

}  // namespace wfpack::engine
