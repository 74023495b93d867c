#include "reader/window_masks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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

TEST(WindowMasks, FastAndBytewiseAgree) {
  std::mt19937 random(7);
  for (int i = 0; i < 4000; ++i) {
    const std::string window = random_window(random);
    const WindowMasks fast = window_masks(window.data());
    const WindowMasks plain = window_masks_bytewise(window.data());
    ASSERT_EQ(fast.starts, plain.starts);
    ASSERT_EQ(fast.line_stops, plain.line_stops);
    ASSERT_EQ(fast.opens, plain.opens);
    ASSERT_EQ(fast.closes, plain.closes);
    ASSERT_EQ(fast.line_comments, plain.line_comments);
    const CountMasks fast_count = count_masks(window.data());
    const CountMasks plain_count = count_masks_bytewise(window.data());
    ASSERT_EQ(fast_count.starts, plain_count.starts);
    ASSERT_EQ(fast_count.line_stops, plain_count.line_stops);
    ASSERT_EQ(fast_count.high, plain_count.high);
  }
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
