#include "reader/source_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/source_text.h"

namespace wfpack {
namespace {

using namespace std::string_literals;
using namespace testing_support;

GpifImage scan(std::string_view text) { return scanned(text); }

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

// Bytes expected in one table from an offset on.
struct Span {
  Table table;
  std::size_t offset;
  Bytes bytes;
};

struct BlockCase {
  const char* name;
  std::string source;
  std::vector<Span> spans;
  std::vector<std::size_t> used_banks;
};

// The image that holds exactly the case's bytes and flags, zero elsewhere.
GpifImage expected_image(const BlockCase& c) {
  GpifImage image;
  for (const Span& span : c.spans) {
    std::uint8_t* table = span.table == Table::Init   ? image.InitData.data()
                          : span.table == Table::Wave ? image.WaveData.data()
                                                      : image.FlowStates.data();
    std::copy(span.bytes.begin(), span.bytes.end(), table + span.offset);
  }
  for (std::size_t bank : c.used_banks) image.BankUsed[bank] = true;
  return image;
}

// count values from first on, per_line to a line.
class TableBlock : public testing::TestWithParam<BlockCase> {};

// The same source with blanks after every line: the values then lie far
// enough from the end of the block to be read a whole window at a time.
std::string with_trailing_blanks(const std::string& source) {
  std::string out;
  for (const char c : source) {
    if (c == '\n') out += std::string(80, ' ');
    out += c;
  }
  return out;
}

TEST_P(TableBlock, StoresExactlyTheExpectedBytes) {
  const BlockCase& c = GetParam();
  EXPECT_TRUE(scan(c.source) == expected_image(c)) << c.source;
  EXPECT_TRUE(scan(with_trailing_blanks(c.source)) == expected_image(c))
      << "with trailing blanks: " << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TableBlock,
    testing::Values(
        BlockCase{"AnywhereOnALine",
                  kWave0 + "{\n0x01, 0x02,0x03 /* 0x04 */\n};\n",
                  {{Table::Wave, 0, {1, 2, 3, 4}}},
                  {0}},
        BlockCase{"CommentWordsAndLabels",
                  kWave0 + "/* LenBr */ 0x0a,0x0B, // box0x0c\n};\n",
                  {{Table::Wave, 0, {0x0A, 0x0B, 0x0C}}},
                  {0}},
        BlockCase{"ClampAndLowByte",
                  kInit + "0x1FF 0x80000000 0x100\n};\n",
                  {{Table::Init, 0, {0xFF, 0xFF, 0x00}}},
                  {}},
        BlockCase{"PrefixWithoutDigitsStoresZero",
                  kInit + "0xg, 0x,0x\n};\n",
                  {{Table::Init, 0, {0, 0, 0}}},
                  {}},
        BlockCase{"UpperCaseXStartsNothing",
                  kInit + "0X12 0x34\n};\n",
                  {{Table::Init, 0, {0x34}}},
                  {}},
        BlockCase{"ValueEndsAtFirstNonDigit",
                  kInit + "0x0x12 00x5 0x12g3\n};\n",
                  {{Table::Init, 0, {0x00, 0x05, 0x12}}},
                  {}},
        BlockCase{"LoneCarriageReturnEndsAValue",
                  kInit + "0x1\r2 0x3\r\n};\n",
                  {{Table::Init, 0, {0x01, 0x03}}},
                  {}},
        BlockCase{"HeaderLineValuesAreNotCollected",
                  "const char xdata InitData[7] = { 0x01, 0x02 };\n0x03\n};\n"
                  "0x09\n",
                  {{Table::Init, 0, {0x03}}},
                  {}},
        BlockCase{"WaveBankSelector",
                  "const char xdata WaveData3[128] =\n0x11\n};\n",
                  {{Table::Wave, 3 * 128, {0x11}}},
                  {3}},
        BlockCase{"ZeroSelectsBankZeroToo",
                  "const char xdata WaveData0[128] =\n0x11\n};\n",
                  {{Table::Wave, 0, {0x11}}},
                  {0}},
        BlockCase{"FlowBankSelectorSetsNoFlag",
                  "const char xdata FlowStates3[36] =\n0x22\n};\n",
                  {{Table::Flow, 3 * 36, {0x22}}},
                  {}},
        BlockCase{"RunsOnIntoTheNextBank",
                  kWave0 + values(130) + "};\n",
                  {{Table::Wave, 0, counting(130)}},
                  {0}},
        BlockCase{"InitDataDropsValuesPastItsEnd",
                  kInit + values(9) + "};\n" + kWave0 + "};\n",
                  {{Table::Init, 0, counting(7)}},
                  {0}},
        BlockCase{"LastWaveBankDropsValuesPastItsEnd",
                  "const char xdata WaveData7[128] =\n" + values(140) + "};\n",
                  {{Table::Wave, 7 * 128, counting(128)}},
                  {7}},
        BlockCase{"LastFlowBankDropsValuesPastItsEnd",
                  "const char xdata FlowStates7[36] =\n" + values(40) + "};\n",
                  {{Table::Flow, 7 * 36, counting(36)}},
                  {}},
        BlockCase{"ReopenedBankStartsAgain",
                  kWave0 + "0x01 0x02\n};\n" + kWave0 + "0x09\n};\n",
                  {{Table::Wave, 0, {0x09, 0x02}}},
                  {0}},
        BlockCase{"OnlyAnUnindentedCloseEndsABlock",
                  kInit + " };\n0x01\n}\n0x02\n}; 0x03\n0x04\n",
                  {{Table::Init, 0, {0x01, 0x02}}},
                  {}},
        BlockCase{"UnterminatedBlockTakesTheRestOfTheFile",
                  kInit + "0x01\n  IFCONFIG = 0x12\n" + kWave0 + "0x03",
                  {{Table::Init, 0, {0x01, 0x12, 0x03}}},
                  {}},
        BlockCase{"BadSelectorStoresNothing",
                  "const char xdata WaveData9[128] =\n0x01\n};\n" + kInit +
                      "0x05\n};\n",
                  {{Table::Init, 0, {0x05}}},
                  {}},
        BlockCase{
            "MissingSelectorStoresNothing",
            "const char xdata WaveData\n0x01\n};\n" + kInit + "0x05\n};\n",
            {{Table::Init, 0, {0x05}}},
            {}},
        BlockCase{"NulHidesTheRestOfItsLine",
                  kInit + "0x01\0 0x02\n0x3\0\n};\n"s,
                  {{Table::Init, 0, {0x01, 0x03}}},
                  {}},
        BlockCase{"EndOfInputByte",
                  kInit + "0x01\n\x1a\n0x02\n};\n" + kWave0 + "0x03\n};\n",
                  {{Table::Init, 0, {0x01}}},
                  {}},
        BlockCase{"LastLineWithoutLineFeed",
                  kInit + "0x01, 0x2",
                  {{Table::Init, 0, {0x01, 0x02}}},
                  {}},
        BlockCase{"HeaderInsideABlockIsJustALine",
                  kWave0 + "const char xdata WaveData3[128] =\n0x01\n};\n",
                  {{Table::Wave, 0, {0x01}}},
                  {0}},
        // Each case below once caught a fault that only random sources
        // had shown.
        BlockCase{"LoneCarriageReturnBeforeAClose",
                  kInit + "0x01\r};\n0x02\n};\n0x03\n",
                  {{Table::Init, 0, {0x01, 0x02}}},
                  {}},
        BlockCase{"UpperCaseXInsideARun",
                  kInit + "0x12,0X34,0x56,0x78\n};\n",
                  {{Table::Init, 0, {0x12, 0x56, 0x78}}},
                  {}},
        BlockCase{"NulRightAfterAValue",
                  kInit + "0x01\0"
                          "0x02,0x03\n0x04\n};\n"s,
                  {{Table::Init, 0, {0x01, 0x04}}},
                  {}},
        BlockCase{"OverflowOf32BitsInARun",
                  kInit + "0x01,0x100000001,0x100000000,0x02\n};\n",
                  {{Table::Init, 0, {0x01, 0xFF, 0xFF, 0x02}}},
                  {}},
        BlockCase{"HeaderInsideABlockWithoutSelector",
                  "const char xdata WaveData\n" + kWave0 + "0x01\n};\n" +
                      kInit + "0x05\n};\n",
                  {{Table::Init, 0, {0x05}}},
                  {}},
        BlockCase{"BlankAsSelector",
                  "const char xdata WaveData [128] =\n0x01\n};\n" + kInit +
                      "0x05\n};\n",
                  {{Table::Init, 0, {0x05}}},
                  {}},
        BlockCase{"BlockEndsRightAfterTheTableIsFull",
                  kInit + "0x01,0x02,0x03,0x04,0x05,0x06,0x07\n};\n" + kWave0 +
                      "0x09\n};\n",
                  {{Table::Init, 0, counting(7)}, {Table::Wave, 0, {0x09}}},
                  {0}},
        BlockCase{"IndentedCloseAfterTheFirstLine",
                  kInit + "0x01\n };\n0x02\n\t};\n0x03\n};\n0x04\n",
                  {{Table::Init, 0, {0x01, 0x02, 0x03}}},
                  {}},
        BlockCase{
            "LastBankOverrunOnTheLineThatFillsIt",
            "const char xdata WaveData7[128] =\n" + values(130, 1, 7) + "};\n" +
                kInit + "0x05\n};\n",
            {{Table::Wave, 7 * 128, counting(128)}, {Table::Init, 0, {0x05}}},
            {7}},
        BlockCase{"FullTableWhoseBlockNeverEnds",
                  kInit + values(20) + kWave0 + values(20) + "  IFCONFIG = 1\n",
                  {{Table::Init, 0, counting(7)}},
                  {}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace wfpack
