#include "reader/window_masks.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>

#include "reader/hex_value.h"
#include "reader/window_isa.h"

namespace wfpack {
namespace {

constexpr std::uint64_t bit(int i) { return std::uint64_t{1} << i; }

// Random windows drawn mostly from the characters the masks look for.
std::string random_window(std::mt19937& random) {
  static const std::string alphabet("00000xxxX\n\n\0,  ;/*/*//1aF9gG}\r\t", 31);
  std::string text(kWindowSize + 1, ' ');
  for (char& c : text) {
    c = random() % 4 == 0 ? static_cast<char>(random() % 256)
                          : alphabet[random() % alphabet.size()];
  }
  return text;
}

void expect_same(const WindowMasks& fast, const WindowMasks& plain) {
  ASSERT_EQ(fast.starts, plain.starts);
  ASSERT_EQ(fast.line_stops, plain.line_stops);
  ASSERT_EQ(fast.opens, plain.opens);
  ASSERT_EQ(fast.closes, plain.closes);
  ASSERT_EQ(fast.line_comments, plain.line_comments);
}

void expect_same(const CountMasks& fast, const CountMasks& plain) {
  ASSERT_EQ(fast.starts, plain.starts);
  ASSERT_EQ(fast.line_stops, plain.line_stops);
  ASSERT_EQ(fast.high, plain.high);
}

// What count_plain must answer for the window at text[1], from its masks.
bool plain_count(const std::string& text, std::size_t& counted) {
  const CountMasks masks = count_masks_bytewise(text.data() + 1);
  const std::uint64_t before = static_cast<signed char>(text[0]) >= '0';
  if (masks.line_stops != 0 ||
      (masks.starts & (masks.high << 1 | before)) != 0) {
    return false;
  }
  counted = static_cast<std::size_t>(std::popcount(masks.starts));
  return true;
}

// Each instruction set the processor has gives the masks the byte loops
// give, on random windows.
template <class Windows>
void expect_bytewise_masks() {
  std::mt19937 random(7);
  for (int i = 0; i < 4000; ++i) {
    // One character before the window, for count_plain.
    std::string text = random_window(random) + random_window(random);
    if (i % 2 == 0) {
      // Without line stops, and mostly without "0x" after a digit, so that
      // count_plain often counts.
      for (char& c : text) {
        if (c == '\n' || c == '\0' || (c >= '1' && c <= '9')) c = ',';
      }
    }
    const char* window = text.data() + 1;
    expect_same(Windows::masks(window), window_masks_bytewise(window));
    expect_same(Windows::count_masks(window), count_masks_bytewise(window));
    std::size_t expected = 0;
    std::size_t counted = 0;
    const bool plain = plain_count(text, expected);
    ASSERT_EQ(Windows::count_plain(window, counted), plain);
    if constexpr (Windows::kDigitMasks) {
      std::uint64_t digits = 0;
      std::uint64_t after = 0;
      for (int b = 0; b < kWindowSize + 4; ++b) {
        if (hex_digit_value(window[b]) == kNotHexDigit) continue;
        if (b < kWindowSize) {
          digits |= std::uint64_t{1} << b;
        } else {
          after |= std::uint64_t{1} << (b - kWindowSize);
        }
      }
      std::uint64_t fast_after = 0;
      ASSERT_EQ(Windows::digits(window, fast_after), digits);
      ASSERT_EQ(fast_after, after);
    }
    if (plain) {
      ASSERT_EQ(counted, expected);
    }
  }
}

TEST(WindowMasks, BaseInstructionsAgreeWithByteLoops) {
  expect_bytewise_masks<BaseWindows>();
  expect_same(window_masks(std::string(80, '0').data()),
              window_masks_bytewise(std::string(80, '0').data()));
}

TEST(WindowMasks, Avx2AgreesWithByteLoops) {
#ifdef WFPACK_AVX2
  if (!cpu_has_avx2()) GTEST_SKIP() << "this processor has no AVX2";
  expect_bytewise_masks<Avx2Windows>();
#else
  GTEST_SKIP() << "built without AVX2";
#endif
}

TEST(WindowMasks, MarkEachPairWhereItBegins) {
  // A pair across the window's end is marked in its last byte.
  const std::string text =
      "0x\n0X/*//*/" + std::string(51, ' ') + std::string(1, '\0') + "*/";
  const WindowMasks masks = window_masks_bytewise(text.data());
  EXPECT_EQ(masks.starts, bit(0));
  EXPECT_EQ(masks.line_stops, bit(2) | bit(62));
  // "/*//*/": "/*" at 5, "*/" at 6 and 9, "//" at 7, "/*" at 8; the last
  // "*/" begins at 63.
  EXPECT_EQ(masks.opens, bit(5) | bit(8));
  EXPECT_EQ(masks.closes, bit(6) | bit(9) | bit(63));
  EXPECT_EQ(masks.line_comments, bit(7));
  EXPECT_EQ(
      window_masks_bytewise(("0" + std::string(62, ' ') + "0x").data()).starts,
      bit(63));
}

TEST(CountMasks, HighIsEveryCharacterFromZeroUp) {
  std::string text(kWindowSize + 1, ' ');
  text[1] = '0';
  text[2] = '/';
  text[3] = 'x';
  text[4] = static_cast<char>(0xC3);  // UTF-8 is not a digit
  text[5] = '9';
  EXPECT_EQ(count_masks_bytewise(text.data()).high, bit(1) | bit(3) | bit(5));
}

}  // namespace
}  // namespace wfpack
