// Whole lines, however long, and the same image however the source
// arrives.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "reader/source_scanner.h"
#include "support/reference_scan.h"
#include "support/source_text.h"

namespace wfpack {
namespace {

using namespace std::string_literals;
using namespace testing_support;

GpifImage scan(std::string_view text) { return scanned(text); }

std::string with_crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string example_source() {
  std::ifstream in(std::string(WFPACK_SOURCE_DIR) + "/examples/gpif.c",
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// ----------------------------------------------------------- whole lines

std::string spaces(std::size_t n) { return std::string(n, ' '); }

TEST(LongLines, ValuesAcrossAnyBoundaryStayWhole) {
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

TEST(LongLines, OneHundredThousandCharacterLine) {
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

TEST(LongLines, LineBeginningsAreTestedOnlyAtRealLineStarts) {
  // "};" and a header far into a long line are just text on that line.
  const std::string source =
      kInit + spaces(119) + "};\n0x01\n};\n" + spaces(238) + kWave0 + "0x02\n";
  const GpifImage image = scan(source);
  EXPECT_EQ(image.InitData[0], 0x01);
  EXPECT_FALSE(image.BankUsed[0]);
  EXPECT_EQ(image.WaveData[0], 0x00);
}

// ------------------------------------------------- how the source arrives

std::vector<std::string> assorted_sources() {
  return {example_source(),
          "  IFCONFIG = 0x12;\n" + kInit + "0x1,0x2\r\n};\n" + kWave0 +
              values(150) + "};\nconst char FlowStates[36] =\n" + values(36) +
              "};\n",
          kInit + "0x0\0x1 0x22\n}\n};\n"s,
          "const char xdata WaveData5\n0x1\n};\n  IFCONFIG =\n"};
}

TEST(SourceArrival, BlockSizeDoesNotChangeTheImage) {
  for (const std::string& source : assorted_sources()) {
    const GpifImage whole = scan(source);
    for (std::size_t block : {1u, 2u, 3u, 5u, 13u, 64u, 119u}) {
      EXPECT_TRUE(scanned_in_blocks(source, block) == whole)
          << "block size " << block;
    }
  }
}

TEST(SourceArrival, CrLfLineEndsGiveTheSameImage) {
  for (const std::string& source : assorted_sources()) {
    EXPECT_TRUE(scan(with_crlf(source)) == scan(source));
  }
}

TEST(SourceArrival, ExampleFillsTwoBanks) {
  const GpifImage image = scan(example_source());
  EXPECT_EQ(image.IfConfig, 0xCE);
  EXPECT_EQ(image.InitData,
            (std::array<std::uint8_t, 7>{0xA0, 0, 0, 0, 0xEE, 0x4E, 0}));
  EXPECT_EQ(image.BankUsed, (std::array<bool, 8>{true, false, true, false,
                                                 false, false, false, false}));
}

TEST(SourceArrival, NothingRecognisedLeavesTheImageUntouched) {
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

TEST(SourceArrival, MatchesAPlainModelOnRandomSources) {
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
    const std::size_t block = 1 + random() % 97;
    ASSERT_TRUE(scanned_in_blocks(source, block) == expected)
        << "block size " << block << ": " << testing::PrintToString(source);
  }
}

}  // namespace
}  // namespace wfpack
