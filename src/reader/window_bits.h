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

// Any number of bits, in constant time: the processors every x86-64 build
// must run on have no instruction for it.
inline std::size_t count_all_bits(std::uint64_t bits) {
  bits -= bits >> 1 & 0x5555555555555555u;
  bits = (bits & 0x3333333333333333u) + (bits >> 2 & 0x3333333333333333u);
  bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<std::size_t>((bits * 0x0101010101010101u) >> 56);
}

// The lowest count of the bits set in bits.
inline std::uint64_t lowest_bits(std::uint64_t bits, std::size_t count) {
  std::uint64_t kept = 0;
  for (; count > 0 && bits != 0; --count, bits &= bits - 1) {
    kept |= bits & (~bits + 1);
  }
  return kept;
}

}  // namespace wfpack
