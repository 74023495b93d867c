// The same image however the source arrives.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "reader/source_scanner.h"
#include "support/kernels.h"
#include "support/reference_scan.h"
#include "support/source_text.h"

namespace wfpack {
namespace {

using namespace std::string_literals;
using namespace testing_support;

// Every test here runs once with each kernel.
class SourceArrival : public testing::TestWithParam<Kernel> {
 protected:
  GpifImage scan(std::string_view text) const {
    return scanned(text, GetParam());
  }
};
INSTANTIATE_TEST_SUITE_P(Kernels, SourceArrival, every_kernel(),
                         kernel_test_name);

std::vector<std::string> assorted_sources() {
  return {example_source(),
          "  IFCONFIG = 0x12;\n" + kInit + "0x1,0x2\r\n};\n" + kWave0 +
              values(150) + "};\nconst char FlowStates[36] =\n" + values(36) +
              "};\n",
          kInit + "0x0\0x1 0x22\n}\n};\n"s,
          "const char xdata WaveData5\n0x1\n};\n  IFCONFIG =\n"};
}

TEST_P(SourceArrival, ChunkSizeDoesNotChangeTheImage) {
  for (const std::string& source : assorted_sources()) {
    const GpifImage whole = scan(source);
    for (std::size_t chunk : {1u, 2u, 3u, 5u, 13u, 64u, 119u}) {
      EXPECT_TRUE(scanned_in_chunks(source, chunk, GetParam()) == whole)
          << "chunk size " << chunk;
    }
  }
}

TEST_P(SourceArrival, CrLfLineEndsGiveTheSameImage) {
  for (const std::string& source : assorted_sources()) {
    EXPECT_TRUE(scan(with_crlf(source)) == scan(source));
  }
}

TEST_P(SourceArrival, ExampleFillsTwoBanks) {
  const GpifImage image = scan(example_source());
  EXPECT_EQ(image.IfConfig, 0xCE);
  EXPECT_EQ(image.InitData,
            (std::array<std::uint8_t, 7>{0xA0, 0, 0, 0x07, 0xEE, 0x4E, 0}));
  EXPECT_EQ(image.BankUsed, (std::array<bool, 8>{true, false, true, false,
                                                 false, false, false, false}));
}

TEST_P(SourceArrival, NothingRecognisedLeavesTheImageUntouched) {
  for (std::string_view source :
       {std::string_view(""), std::string_view("int main(void) {}\n"),
        std::string_view("\n\n\n"), std::string_view("0x12\n};\n")}) {
    EXPECT_TRUE(scan(source) == GpifImage{}) << source;
  }
}

// Sources stitched together from the pieces that matter to the scanner, so
// that random ones reach every rule often.
std::string random_source(std::mt19937& random) {
  static const std::vector<std::string> pieces = {
      "0x",
      "0x",
      "0x12",
      "0x3a,",
      "0",
      "x",
      "X",
      "0X",
      "1",
      "f",
      "G",
      ",",
      " ",
      "\t",
      "\n",
      "\n",
      "\n",
      "\r",
      "\r\n",
      std::string(1, '\0'),
      "\x1a",
      "};",
      "}",
      ";",
      "  IFCONFIG =",
      " -",
      "+",
      "FFFFFFFFF",
      "80000000",
      "/* 0x */",
      "const char xdata WaveData",
      "const char xdata FlowStates",
      "const char xdata InitData[7] =",
      "const char WaveData",
      "const  char\t__xdata ",
      "[128] =",
      "3",
      "7",
      "9",
      "[",
      "0x01,0x02,0x03,0x04,0x05,0x06,0x07,0x08,\n"};
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 400);
  std::string source;
  // Mostly after a line feed, so that line beginnings are reached.
  for (int n = length(random); n > 0; --n) {
    const std::string& piece = pieces[pick(random)];
    if (piece.size() > 8 && !source.empty() && source.back() != '\n' &&
        random() % 4 != 0) {
      source += '\n';
    }
    source += piece;
    if (random() % 64 == 0) source += std::string(random() % 300, '0');
  }
  return source;
}

TEST_P(SourceArrival, MatchesAPlainModelOnRandomSources) {
  std::mt19937 random(20261208);
  for (int i = 0; i < 3000; ++i) {
    std::string source = random_source(random);
    if (i % 5 != 0) {
      // Make most 0x1A bytes blanks, so that most sources are read to
      // their end.
      for (char& c : source) {
        if (c == '\x1a' && random() % 4 != 0) c = ' ';
      }
    }
    const GpifImage expected = reference::scan(source);
    ASSERT_TRUE(scan(source) == expected) << testing::PrintToString(source);
    const std::size_t chunk = 1 + random() % 97;
    ASSERT_TRUE(scanned_in_chunks(source, chunk, GetParam()) == expected)
        << "chunk size " << chunk << ": " << testing::PrintToString(source);
  }
}

}  // namespace
}  // namespace wfpack
