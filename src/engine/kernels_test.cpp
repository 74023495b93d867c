// Each kernel classifies a window's bytes exactly as the format's own
// predicates do, byte by byte, and the marks derived from its classes stand
// where their pairs begin.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/kernel_avx2.h"
#include "engine/kernel_portable.h"
#include "engine/kernel_sse2.h"
#include "engine/marks.h"
#include "format/hex_value.h"

namespace wfpack::engine {
namespace {

constexpr std::uint64_t bit(int i) { return std::uint64_t{1} << i; }

template <class Kernel>
class Kernels : public testing::Test {
 protected:
  void SetUp() override {
#ifdef WFPACK_KERNEL_AVX2
    if (std::is_same_v<Kernel, Avx2Kernel> && !cpu_has_avx2()) {
      GTEST_SKIP() << "this processor has no AVX2";
    }
#endif
  }
};

using KernelTypes = testing::Types<PortableKernel
#ifdef WFPACK_KERNEL_SSE2
                                   ,
                                   Sse2Kernel
#endif
#ifdef WFPACK_KERNEL_AVX2
                                   ,
                                   Avx2Kernel
#endif
                                   >;

struct KernelNames {
  template <class Kernel>
  static std::string GetName(int) {
    if (std::is_same_v<Kernel, PortableKernel>) return "portable";
#ifdef WFPACK_KERNEL_SSE2
    if (std::is_same_v<Kernel, Sse2Kernel>) return "sse2";
#endif
    return "avx2";
  }
};

TYPED_TEST_SUITE(Kernels, KernelTypes, KernelNames);

// The mask a byte loop makes of the window at p.
template <class Test>
std::uint64_t byte_loop(const char* p, Test test) {
  std::uint64_t mask = 0;
  for (int i = 0; i < kWindowSize; ++i) {
    if (test(p[i])) mask |= bit(i);
  }
  return mask;
}

// Random windows drawn mostly from the characters the format gives a
// meaning, with the bytes around them that a window's look-ahead reads.
std::string random_text(std::mt19937& random) {
  static const std::string alphabet("00000xxxX\n\n\0,  ;/*/*//1aF9gG}\r\t", 31);
  std::string text(kWindowSpan + 1, ' ');
  for (char& c : text) {
    c = random() % 4 == 0 ? static_cast<char>(random() % 256)
                          : alphabet[random() % alphabet.size()];
  }
  return text;
}

TYPED_TEST(Kernels, ClassifyAsTheFormatsPredicates) {
  using Kernel = TypeParam;
  std::mt19937 random(7);
  for (int i = 0; i < 4000; ++i) {
    const std::string text = random_text(random);
    const char* p = text.data() + 1;
    for (const char c :
         {'0', 'x', '\n', '\0', '/', '*', static_cast<char>(random() % 256)}) {
      ASSERT_EQ(Kernel::bits(Kernel::equal(p, c)),
                byte_loop(p, [c](char byte) { return byte == c; }))
          << int{c};
    }
    ASSERT_EQ(Kernel::bits(Kernel::at_least(p, '0')),
              byte_loop(p, [](char byte) {
                return static_cast<signed char>(byte) >= '0';
              }));
    // & and | combine the flags byte by byte.
    const auto zeros = Kernel::equal(p, '0');
    const auto high = Kernel::at_least(p - 1, '0');
    ASSERT_EQ(Kernel::bits(zeros & high),
              Kernel::bits(zeros) & Kernel::bits(high));
    ASSERT_EQ(Kernel::bits(zeros | high),
              Kernel::bits(zeros) | Kernel::bits(high));
    ASSERT_EQ(marked_bytes<Kernel>(p), byte_loop(p, [](char byte) {
                return static_cast<signed char>(byte) > ' ' && byte != ',';
              }));
    if constexpr (Kernel::kCheapDigits) {
      ASSERT_EQ(Kernel::bits(Kernel::hex_digits(p)),
                byte_loop(p, is_hex_digit));
      unsigned after = 0;
      for (int b = 0; b < 4; ++b) {
        if (is_hex_digit(p[kWindowSize + b])) after |= 1u << b;
      }
      ASSERT_EQ(Kernel::hex_digits_after(p), after);
    }
  }
}

TYPED_TEST(Kernels, MarkEachPairWhereItBegins) {
  // A pair across the window's end is marked in its last byte.
  const std::string text = "0x\n0X/*//*/" + std::string(51, ' ') +
                           std::string(1, '\0') + "*/" + std::string(8, ' ');
  const WindowMarks marks = marks_of<TypeParam>(text.data());
  EXPECT_EQ(marks.starts, bit(0));
  EXPECT_EQ(marks.line_stops, bit(2) | bit(62));
  // "/*//*/": "/*" at 5, "*/" at 6 and 9, "//" at 7, "/*" at 8; the last
  // "*/" begins at 63.
  EXPECT_EQ(marks.opens, bit(5) | bit(8));
  EXPECT_EQ(marks.closes, bit(6) | bit(9) | bit(63));
  EXPECT_EQ(marks.line_comments, bit(7));
  const std::string last = "0" + std::string(62, ' ') + "0x" + "       ";
  EXPECT_EQ(marks_of<TypeParam>(last.data()).starts, bit(63));
}

}  // namespace
}  // namespace wfpack::engine
