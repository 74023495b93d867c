#include "reader/source_scanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/block_feed.h"
#include "support/reference_scan.h"
#include "support/scratch_dir.h"

namespace wfpack {
namespace {

using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;

const std::string kWave0 = "const char xdata WaveData[128] =\n";
const std::string kInit = "const char xdata InitData[7] =\n";

GpifImage scan(std::string_view text) {
  GpifImage image;
  scan_source_text(text, image);
  return image;
}

GpifImage scan_in_blocks(std::string_view text, std::size_t block_size) {
  GpifImage image;
  testing_support::scan_in_blocks(text, block_size, image);
  return image;
}

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

// ---------------------------------------------------------------- IFCONFIG

struct IfconfigCase {
  std::string source;
  std::uint8_t expected;
};

class IfconfigLine : public testing::TestWithParam<IfconfigCase> {};

TEST_P(IfconfigLine, SetsIfConfigOnlyFromTheDesignToolsLine) {
  EXPECT_EQ(scan(GetParam().source).IfConfig, GetParam().expected)
      << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, IfconfigLine,
    testing::Values(IfconfigCase{"  IFCONFIG = 0xEE;\n", 0xEE},
                    IfconfigCase{"  IFCONFIG = EE\n", 0xEE},
                    IfconfigCase{"  IFCONFIG = 238\n", 0x38},
                    IfconfigCase{"  IFCONFIG = -1\n", 0xFF},
                    IfconfigCase{"  IFCONFIG = ;\n", 0x00},
                    IfconfigCase{"  IFCONFIG =0x5A", 0x5A},
                    IfconfigCase{"  IFCONFIG = 0x80000000;\n", 0xFF},
                    IfconfigCase{"  IFCONFIG = 0x12;\r\n", 0x12},
                    IfconfigCase{"  IFCONFIG =\r0x34\n", 0x34},
                    IfconfigCase{"  IFCONFIG = 0x12;\n  IFCONFIG = 0x34;\n",
                                 0x34},
                    // The value never runs on into the next line.
                    IfconfigCase{"  IFCONFIG =\n0x12\n", 0x00},
                    IfconfigCase{"  IFCONFIG = 0x1\0"
                                 "2\n"s,
                                 0x01},
                    // Only the exact indentation counts.
                    IfconfigCase{" IFCONFIG = 0x12;\n", 0x00},
                    IfconfigCase{"\tIFCONFIG = 0x12;\n", 0x00},
                    IfconfigCase{"   IFCONFIG = 0x12;\n", 0x00},
                    IfconfigCase{"  IFCONFIG= 0x12;\n", 0x00},
                    IfconfigCase{"  IFCONFIG |= 0x12;\n", 0x00},
                    // Inside a block it is just another line of values.
                    IfconfigCase{kInit + "  IFCONFIG = 0x12;\n};\n", 0x00}));

// ------------------------------------------------------------ table blocks

enum class Table { Init, Wave, Flow };

struct BlockCase {
  const char* name;
  std::string source;
  Table table;
  std::size_t offset;
  Bytes bytes;
  std::vector<std::size_t> used_banks;
};

// The image that holds exactly the case's bytes and flags, zero elsewhere.
GpifImage expected_image(const BlockCase& c) {
  GpifImage image;
  std::uint8_t* table = c.table == Table::Init   ? image.InitData.data()
                        : c.table == Table::Wave ? image.WaveData.data()
                                                 : image.FlowStates.data();
  std::copy(c.bytes.begin(), c.bytes.end(), table + c.offset);
  for (std::size_t bank : c.used_banks) image.BankUsed[bank] = true;
  return image;
}

std::string values(std::size_t count, std::size_t first = 1) {
  std::string line;
  char text[8];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "0x%02X,",
                  static_cast<unsigned>((first + i) & 0xFF));
    line += text;
    if (i % 8 == 7) line += '\n';
  }
  return line + "\n";
}

Bytes counting(std::size_t count, std::size_t first = 1) {
  Bytes out;
  for (std::size_t i = 0; i < count; ++i) {
    out.push_back(static_cast<std::uint8_t>(first + i));
  }
  return out;
}

class TableBlock : public testing::TestWithParam<BlockCase> {};

TEST_P(TableBlock, StoresExactlyTheExpectedBytes) {
  const BlockCase& c = GetParam();
  EXPECT_TRUE(scan(c.source) == expected_image(c)) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TableBlock,
    testing::Values(
        BlockCase{"AnywhereOnALine",
                  kWave0 + "{\n0x01, 0x02,0x03 /* 0x04 */\n};\n",
                  Table::Wave,
                  0,
                  {1, 2, 3, 4},
                  {0}},
        BlockCase{"CommentWordsAndLabels",
                  kWave0 + "/* LenBr */ 0x0a,0x0B, // box0x0c\n};\n",
                  Table::Wave,
                  0,
                  {0x0A, 0x0B, 0x0C},
                  {0}},
        BlockCase{"ClampAndLowByte",
                  kInit + "0x1FF 0x80000000 0x100\n};\n",
                  Table::Init,
                  0,
                  {0xFF, 0xFF, 0x00},
                  {}},
        BlockCase{"PrefixWithoutDigitsStoresZero",
                  kInit + "0xg, 0x,0x\n};\n",
                  Table::Init,
                  0,
                  {0, 0, 0},
                  {}},
        BlockCase{"UpperCaseXStartsNothing",
                  kInit + "0X12 0x34\n};\n",
                  Table::Init,
                  0,
                  {0x34},
                  {}},
        BlockCase{"ValueEndsAtFirstNonDigit",
                  kInit + "0x0x12 00x5 0x12g3\n};\n",
                  Table::Init,
                  0,
                  {0x00, 0x05, 0x12},
                  {}},
        BlockCase{"LoneCarriageReturnEndsAValue",
                  kInit + "0x1\r2 0x3\r\n};\n",
                  Table::Init,
                  0,
                  {0x01, 0x03},
                  {}},
        BlockCase{"HeaderLineValuesAreNotCollected",
                  "const char xdata InitData[7] = { 0x01, 0x02 };\n0x03\n};\n"
                  "0x09\n",
                  Table::Init,
                  0,
                  {0x03},
                  {}},
        BlockCase{"WaveBankSelector",
                  "const char xdata WaveData3[128] =\n0x11\n};\n",
                  Table::Wave,
                  3 * 128,
                  {0x11},
                  {3}},
        BlockCase{"ZeroSelectsBankZeroToo",
                  "const char xdata WaveData0[128] =\n0x11\n};\n",
                  Table::Wave,
                  0,
                  {0x11},
                  {0}},
        BlockCase{"FlowBankSelectorSetsNoFlag",
                  "const char xdata FlowStates3[36] =\n0x22\n};\n",
                  Table::Flow,
                  3 * 36,
                  {0x22},
                  {}},
        BlockCase{"RunsOnIntoTheNextBank",
                  kWave0 + values(130) + "};\n",
                  Table::Wave,
                  0,
                  counting(130),
                  {0}},
        BlockCase{"InitDataDropsValuesPastItsEnd",
                  kInit + values(9) + "};\n" + kWave0 + "};\n",
                  Table::Init,
                  0,
                  counting(7),
                  {0}},
        BlockCase{"LastWaveBankDropsValuesPastItsEnd",
                  "const char xdata WaveData7[128] =\n" + values(140) + "};\n",
                  Table::Wave,
                  7 * 128,
                  counting(128),
                  {7}},
        BlockCase{"LastFlowBankDropsValuesPastItsEnd",
                  "const char xdata FlowStates7[36] =\n" + values(40) + "};\n",
                  Table::Flow,
                  7 * 36,
                  counting(36),
                  {}},
        BlockCase{"ReopenedBankStartsAgain",
                  kWave0 + "0x01 0x02\n};\n" + kWave0 + "0x09\n};\n",
                  Table::Wave,
                  0,
                  {0x09, 0x02},
                  {0}},
        BlockCase{"OnlyAnUnindentedCloseEndsABlock",
                  kInit + " };\n0x01\n}\n0x02\n}; 0x03\n0x04\n",
                  Table::Init,
                  0,
                  {0x01, 0x02},
                  {}},
        BlockCase{"UnterminatedBlockTakesTheRestOfTheFile",
                  kInit + "0x01\n  IFCONFIG = 0x12\n" + kWave0 + "0x03",
                  Table::Init,
                  0,
                  {0x01, 0x12, 0x03},
                  {}},
        BlockCase{"BadSelectorStoresNothing",
                  "const char xdata WaveData9[128] =\n0x01\n};\n" + kInit +
                      "0x05\n};\n",
                  Table::Init,
                  0,
                  {0x05},
                  {}},
        BlockCase{
            "MissingSelectorStoresNothing",
            "const char xdata WaveData\n0x01\n};\n" + kInit + "0x05\n};\n",
            Table::Init,
            0,
            {0x05},
            {}},
        BlockCase{"NulHidesTheRestOfItsLine",
                  kInit + "0x01\0 0x02\n0x3\0\n};\n"s,
                  Table::Init,
                  0,
                  {0x01, 0x03},
                  {}},
        BlockCase{"EndOfInputByte",
                  kInit + "0x01\n\x1a\n0x02\n};\n" + kWave0 + "0x03\n};\n",
                  Table::Init,
                  0,
                  {0x01},
                  {}},
        BlockCase{"LastLineWithoutLineFeed",
                  kInit + "0x01, 0x2",
                  Table::Init,
                  0,
                  {0x01, 0x02},
                  {}},
        BlockCase{"HeaderInsideABlockIsJustALine",
                  kWave0 + "const char xdata WaveData3[128] =\n0x01\n};\n",
                  Table::Wave,
                  0,
                  {0x01},
                  {0}}),
    [](const auto& test) { return std::string(test.param.name); });

// --------------------------------------------------------- header spelling

struct HeaderCase {
  std::string line;
  bool recognised;
};

class HeaderSpelling : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderSpelling, AcceptsPortedStorageClassesAndNothingLooser) {
  const HeaderCase& c = GetParam();
  const GpifImage image = scan(c.line + "\n0x42\n};\n");
  const bool stored = image.WaveData[2 * 128] == 0x42;
  EXPECT_EQ(stored, c.recognised) << c.line;
  EXPECT_EQ(image.BankUsed[2], c.recognised) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HeaderSpelling,
    testing::Values(
        HeaderCase{"const char xdata WaveData2[128] =", true},
        HeaderCase{"const char __xdata WaveData2[128] =", true},
        HeaderCase{"const char WaveData2[128] =", true},
        HeaderCase{"const  char\t\txdata \tWaveData2[128] =", true},
        HeaderCase{"const\tchar  WaveData2", true},
        HeaderCase{" const char xdata WaveData2[128] =", false},
        HeaderCase{"static const char xdata WaveData2[128] =", false},
        HeaderCase{"constchar xdata WaveData2[128] =", false},
        HeaderCase{"const charxdata WaveData2[128] =", false},
        HeaderCase{"const char xdataWaveData2[128] =", false},
        HeaderCase{"const char code WaveData2[128] =", false},
        HeaderCase{"const char xdata __xdata WaveData2[128] =", false},
        HeaderCase{"const unsigned char WaveData2[128] =", false},
        HeaderCase{"const char xdata wavedata2[128] =", false},
        HeaderCase{"const char xdata WaveData 2[128] =", false},
        HeaderCase{"const char xdata\nWaveData2[128] =", false}));

TEST(HeaderSpelling, InitDataNeedsItsExactDeclarator) {
  struct Case {
    const char* header;
    bool recognised;
  };
  for (const Case& c : {Case{"const char xdata InitData[7] =", true},
                        Case{"const char InitData[7] = {", true},
                        Case{"const char __xdata InitData[7] =", true},
                        Case{"const char xdata InitData[7]=", false},
                        Case{"const char xdata InitData[7]  =", false},
                        Case{"const char xdata InitData[8] =", false},
                        Case{"const char xdata InitData [7] =", false}}) {
    const GpifImage image = scan(std::string(c.header) + "\n0x42\n};\n");
    EXPECT_EQ(image.InitData[0] == 0x42, c.recognised) << c.header;
  }
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
      EXPECT_TRUE(scan_in_blocks(source, block) == whole)
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
    ASSERT_TRUE(scan_in_blocks(source, block) == expected)
        << "block size " << block << ": " << testing::PrintToString(source);
  }
}

TEST(SourceArrival, FileIsReadToItsEnd) {
  // Tables beyond the first read blocks, with a value across the end of the
  // first block and a "};" right at the start of the third.
  std::string source = "const char xdata WaveData2[128] =\n0x01\n";
  source += std::string(65536 - 2 - source.size(), ' ') + "0x1234\n";
  source += std::string(131072 - source.size(), ' ');
  source.back() = '\n';
  source += "};\n0x99\n" + kInit + "0x05 0x06\n};\n" + values(70000);
  source += kWave0 + "0xAB\n";
  const testing_support::ScratchDir dir;
  const auto path = dir.path() / "scan_file.c";
  { std::ofstream(path, std::ios::binary) << source; }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  GpifImage image;
  EXPECT_EQ(scan_source_file(file, image), ScanStatus::Complete);
  std::fclose(file);
  EXPECT_TRUE(image == reference::scan(source));
  EXPECT_EQ(image.WaveData[256], 0x01);
  EXPECT_EQ(image.WaveData[257], 0x34);
  EXPECT_EQ(image.WaveData[258], 0x00);  // the block ended before 0x99
  EXPECT_EQ(image.InitData[1], 0x06);
  EXPECT_EQ(image.WaveData[0], 0xAB);
}

TEST(SourceArrival, ReadErrorIsReported) {
  // On Linux a directory opens for reading and then fails to read.
  std::FILE* directory = std::fopen(testing::TempDir().c_str(), "r");
  if (directory == nullptr) GTEST_SKIP() << "directories do not open here";
  GpifImage image;
  EXPECT_EQ(scan_source_file(directory, image), ScanStatus::ReadFailed);
  std::fclose(directory);
}

}  // namespace
}  // namespace wfpack
