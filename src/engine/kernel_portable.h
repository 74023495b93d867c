// The kernel every build has: the bytes of a window classified one at a
// time. It runs where no vector instructions are known (ARM and other
// processors).
//
// Every kernel offers the same operations on the 64 bytes from p: Flags,
// one flag for each byte, combined with &, | and and_not; equal and
// at_least, which classify the bytes; bits, the mask of a Flags. A kernel whose
// kCheapDigits is true also classifies hexadecimal digits, with hex_digits and,
// for the 4 bytes after the window, hex_digits_after. Which bytes are
// classified how, and what the classes mean together, is for the code above
// them to say.
#pragma once

#include <cstdint>

#include "engine/masks.h"

namespace wfpack::engine {

struct PortableKernel {
  // Whether hex_digits is cheap enough to check every value of a window at
  // once.
  static constexpr bool kCheapDigits = false;

  using Flags = std::uint64_t;

  template <class Test>
  static Flags each(const char* p, Test test) {
    Flags flags = 0;
    for (int i = 0; i < kWindowSize; ++i) {
      flags |= std::uint64_t{test(p[i])} << i;
    }
    return flags;
  }

  static Flags equal(const char* p, char c) {
    return each(p, [c](char byte) { return byte == c; });
  }

  // Each byte, as a signed char, c or above.
  static Flags at_least(const char* p, char c) {
    return each(p, [c](char byte) {
      return static_cast<signed char>(byte) >= static_cast<signed char>(c);
    });
  }

  static Flags and_not(Flags flags, Flags without) { return flags & ~without; }

  static std::uint64_t bits(Flags flags) { return flags; }
};

}  // namespace wfpack::engine
