// Whole lines, however long: no value is cut, and line beginnings count
// only where a line begins.
#include <gtest/gtest.h>

#include <string>

#include "support/kernels.h"
#include "support/source_text.h"

namespace wfpack {
namespace {

using namespace testing_support;

// Every test here runs once with each kernel.
class LongLines : public testing::TestWithParam<Kernel> {
 protected:
  GpifImage scan(std::string_view text) const {
    return scanned(text, GetParam());
  }
};
INSTANTIATE_TEST_SUITE_P(Kernels, LongLines, every_kernel(), kernel_test_name);

std::string spaces(std::size_t n) { return std::string(n, ' '); }

TEST_P(LongLines, ValuesAcrossAnyBoundaryStayWhole) {
  // Values placed so that each straddles a multiple of 119 characters,
  // where a reader of fixed 119-character pieces would cut them.
  std::string line;
  Bytes expected;
  for (std::size_t i = 0; i < 40; ++i) {
    const std::size_t split = (i + 1) * 119 - 3 + (i % 4);
    line += spaces(split - line.size());
    line += i % 2 == 0 ? "0x12," : "0x3456,";
    expected.push_back(i % 2 == 0 ? 0x12 : 0x56);
  }
  GpifImage want;
  std::copy(expected.begin(), expected.end(), want.WaveData.begin());
  want.BankUsed[0] = true;
  EXPECT_TRUE(scan(kWave0 + line + "\n};\n") == want);
}

TEST_P(LongLines, OneHundredThousandCharacterLine) {
  std::string line;
  for (std::size_t i = 0; i < 128; ++i) {
    line += spaces(700);
    line += "0x" + std::string(1, "0123456789abcdef"[i % 16]) + "7";
  }
  line += spaces(100000 - line.size() - 5) + "0x7e;";
  ASSERT_EQ(line.size(), 100000u);
  const GpifImage image = scan(kWave0 + line + "\n0x55\n};\n");
  for (std::size_t i = 0; i < 128; ++i) {
    EXPECT_EQ(image.WaveData[i], ((i % 16) << 4) | 7) << i;
  }
  EXPECT_EQ(image.WaveData[128], 0x7E);
  EXPECT_EQ(image.WaveData[129], 0x55);
}

TEST_P(LongLines, LineBeginningsAreTestedOnlyAtRealLineStarts) {
  // "};" and a header far into a long line are just text on that line.
  const std::string source =
      kInit + spaces(119) + "};\n0x01\n};\n" + spaces(238) + kWave0 + "0x02\n";
  const GpifImage image = scan(source);
  EXPECT_EQ(image.InitData[0], 0x01);
  EXPECT_FALSE(image.BankUsed[0]);
  EXPECT_EQ(image.WaveData[0], 0x00);
}

}  // namespace
}  // namespace wfpack
