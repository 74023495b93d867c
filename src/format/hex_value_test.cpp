#include "format/hex_value.h"

#include <gtest/gtest.h>

#include <string_view>

namespace wfpack {
namespace {

struct HexCase {
  std::string_view text;
  std::int32_t value;
  std::size_t used;  // characters the reader takes before it stops
};

class ReadHexValue : public testing::TestWithParam<HexCase> {};

TEST_P(ReadHexValue, FollowsStrtolInBase16WithA32BitLong) {
  const HexCase& c = GetParam();
  HexReader reader;
  std::size_t used = 0;
  while (used < c.text.size() && reader.feed(c.text[used])) ++used;
  EXPECT_EQ(reader.value(), c.value) << c.text;
  EXPECT_EQ(used, c.used) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadHexValue,
    testing::Values(
        // Digits are hexadecimal with or without a prefix.
        HexCase{"0xEE;", 0xEE, 4}, HexCase{"EE", 0xEE, 2},
        HexCase{"238", 0x238, 3}, HexCase{"0XaB,", 0xAB, 4}, HexCase{"0", 0, 1},
        HexCase{"00x1", 0, 2}, HexCase{"0g", 0, 1},
        // Leading space of every kind, then an optional sign.
        HexCase{" \t\v\f\r\n 12", 0x12, 9}, HexCase{"+7f", 0x7F, 3},
        HexCase{"-1", -1, 2}, HexCase{"-0x10", -16, 5},
        // No digit: the value is 0, whatever was taken on the way.
        HexCase{";", 0, 0}, HexCase{"", 0, 0}, HexCase{"0x", 0, 2},
        HexCase{"0xg", 0, 2}, HexCase{"-", 0, 1}, HexCase{"- 1", 0, 1},
        HexCase{"   ", 0, 3}, HexCase{"x12", 0, 0},
        // Saturation at the limits of a 32-bit long.
        HexCase{"7FFFFFFF", INT32_MAX, 8}, HexCase{"80000000", INT32_MAX, 8},
        HexCase{"FFFFFFFF", INT32_MAX, 8},
        HexCase{"123456789ABCDEF", INT32_MAX, 15},
        HexCase{"-80000000", INT32_MIN, 9}, HexCase{"-80000001", INT32_MIN, 9},
        HexCase{"-7FFFFFFF", -INT32_MAX, 9},
        HexCase{"000000000000000000012", 0x12, 21}));

TEST(HexReader, KeepsTheLowByteOfSaturatedValues) {
  struct Case {
    std::string_view text;
    std::uint8_t low;
  };
  for (const Case& c :
       {Case{"1FF", 0xFF}, Case{"80000000", 0xFF}, Case{"-80000001", 0x00},
        Case{"-1", 0xFF}, Case{"-2", 0xFE}, Case{"100", 0x00}}) {
    HexReader reader;
    for (char ch : c.text) ASSERT_TRUE(reader.feed(ch)) << c.text;
    EXPECT_EQ(reader.low_byte(), c.low) << c.text;
  }
}

TEST(HexReader, AfterPrefixReadsOnlyDigits) {
  HexReader reader = HexReader::after_prefix();
  EXPECT_FALSE(reader.feed(' '));
  EXPECT_EQ(reader.low_byte(), 0x00);
  EXPECT_TRUE(reader.feed('4'));
  EXPECT_TRUE(reader.feed('e'));
  EXPECT_FALSE(reader.feed('x'));
  EXPECT_EQ(reader.low_byte(), 0x4E);
}

}  // namespace
}  // namespace wfpack
