// Ranges and counts of bits in a window's masks, bit i standing for byte i.
#pragma once

#include <cstddef>
#include <cstdint>

namespace wfpack {

// The bits below bit n; n may be 64.
inline std::uint64_t bits_below(int n) {
  return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

inline std::uint64_t bits_from_to(int from, int to) {
  return bits_below(to) & ~bits_below(from);
}

// Few bits are ever set where this is asked, so a loop beats a table.
inline std::size_t count_bits(std::uint64_t bits) {
  std::size_t count = 0;
  for (; bits != 0; bits &= bits - 1) ++count;
  return count;
}

}  // namespace wfpack
