// Each warning, printed byte for byte, for a source that calls for it and
// for near misses a design tool's source or firmware code holds, which must
// stay silent. Every case also gives the same lines with CR LF line ends and
// in any block size.
#include "reader/source_warnings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/warning_sources.h"

namespace wfpack {
namespace {

using namespace testing_support;

struct Case {
  std::string name;
  std::string source;
  std::string expected;  // what report_warnings prints for "gpif.c"
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::string case_name(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// A source that gives no warning of its own, after the case's lines.
Case quiet(std::string name, const std::string& lines) {
  return {std::move(name), lines + clean_tables(), ""};
}
Case warns(std::string name, const std::string& lines, std::string expected) {
  return {std::move(name), lines + clean_tables(), std::move(expected)};
}

// A block of the given table with the case's lines first, padded with
// plain values to the table's size.
std::string block_with(const std::string& header, const std::string& lines,
                       std::size_t values_in_lines, std::size_t size) {
  return header + "\n{\n" + lines + value_rows(size - values_in_lines) + "};\n";
}
std::string wave_with(const std::string& lines, std::size_t values) {
  return block_with("const char xdata WaveData[128] =", lines, values, 128);
}

std::size_t line_count(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class PrintedWarnings : public testing::TestWithParam<Case> {};

TEST_P(PrintedWarnings, AreExactlyTheExpectedLines) {
  const Case& c = GetParam();
  EXPECT_EQ(printed_warnings(c.source), c.expected) << c.source;
  EXPECT_EQ(printed_warnings(with_crlf(c.source)), c.expected) << "CR LF";
  const ScanWarnings whole = scan_warnings(c.source, c.source.size() + 1);
  for (const std::size_t block : {1, 2, 3, 7, 64, 65537}) {
    EXPECT_EQ(scan_warnings(c.source, block), whole) << "block size " << block;
  }
}

const std::string kNoBank =
    "only WaveData and WaveData0 to WaveData7 name a bank\n";
const std::string kSpelling =
    "a table header is 'const char', 'xdata' or '__xdata' if any, then the "
    "name\n";
const std::string kValues = "{\n0x01,\n};\n";

INSTANTIATE_TEST_SUITE_P(
    TableNotRead, PrintedWarnings,
    testing::Values(
        warns("SelectorNamesNoBank",
              "const char xdata WaveData_multiChannel[128] =\n" + kValues,
              "gpif.c:1: warning: table 'WaveData_multiChannel' is not read: " +
                  kNoBank),
        warns("BankEight",
              "// bank 8\n\nconst char xdata WaveData8[128] =\n};\n",
              "gpif.c:3: warning: table 'WaveData8' is not read: " + kNoBank),
        warns("BlankBeforeTheBracket",
              "const char xdata WaveData [128] =\n" + kValues,
              "gpif.c:1: warning: table 'WaveData' is not read: " + kNoBank),
        warns("FlowStatesSelector",
              "const char xdata FlowStates_b[36] =\n" + kValues,
              "gpif.c:1: warning: table 'FlowStates_b' is not read: only "
              "FlowStates and FlowStates0 to FlowStates7 name a bank\n"),
        warns("InitDataRenamed", "const char xdata InitData_x[7] =\n" + kValues,
              "gpif.c:1: warning: table 'InitData_x' is not read: only "
              "'InitData[7] =' is read\n"),
        warns("InitDataWithoutBlank", "const char xdata InitData[7]=\n",
              "gpif.c:1: warning: table 'InitData' is not read: only "
              "'InitData[7] =' is read\n"),
        warns("InitDataOtherSize", "const char InitData[8] =\n",
              "gpif.c:1: warning: table 'InitData' is not read: only "
              "'InitData[7] =' is read\n"),
        warns("IndentedHeader", "  const char xdata WaveData[128] =\n",
              "gpif.c:1: warning: table 'WaveData' is not read: a table "
              "header must begin its line\n"),
        warns("TabIndentedHeader", "\tconst char FlowStates[36] =\n",
              "gpif.c:1: warning: table 'FlowStates' is not read: a table "
              "header must begin its line\n"),
        warns("StorageClassFirst", "__xdata const char WaveData[128] =\n",
              "gpif.c:1: warning: table 'WaveData' is not read: a table "
              "header begins with 'const char'\n"),
        warns("Static", "static const char xdata WaveData2[128] =\n",
              "gpif.c:1: warning: table 'WaveData2' is not read: a table "
              "header begins with 'const char'\n"),
        warns("UnsignedChar", "const unsigned char WaveData[128] =\n",
              "gpif.c:1: warning: table 'WaveData' is not read: " + kSpelling),
        warns("OtherStorageClass", "const char code FlowStates[36] =\n",
              "gpif.c:1: warning: table 'FlowStates' is not read: " +
                  kSpelling),
        quiet("ExternDeclaration", "extern const char xdata WaveData[128];\n"),
        quiet("RamBuffer", "BYTE xdata WaveData_copy[128];\n"),
        quiet("TablesUsed",
              "  FLOWSTATE = FlowStates[ 0 ];\n"
              "  AUTOPTRH1 = MSB( &WaveData );\n"
              "  GPIFREADYCFG = InitData[ 0 ];\n"
              "WaveData[0] = 0x01;\n"
              "int i = WaveData[3];\n"),
        quiet("CommentsNamingTables",
              "// const char xdata WaveData_old[128] =\n"
              "/* WaveData8[128] = */\n"
              "  // InitData[7] = the registers\n")),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    ValuesInComment, PrintedWarnings,
    testing::Values(
        warns("LineComment", wave_with("// 0x01,0x02,\n", 2),
              "gpif.c:3: warning: 2 values inside a comment were read into "
              "WaveData bank 0\n"),
        warns("BlockCommentAcrossLines",
              wave_with("0x01, /* 0x02,\n0x03,0x04,\n*/ 0x05,\n", 5),
              "gpif.c:3: warning: 1 values inside a comment were read into "
              "WaveData bank 0\n"
              "gpif.c:4: warning: 2 values inside a comment were read into "
              "WaveData bank 0\n"),
        warns("SlashStarSlashDoesNotClose",
              wave_with("/*/ 0x01, */ 0x02,\n", 2),
              "gpif.c:3: warning: 1 values inside a comment were read into "
              "WaveData bank 0\n"),
        warns("MarkRightAfterTheDigits", wave_with("0x01//0x02,\n", 2),
              "gpif.c:3: warning: 1 values inside a comment were read into "
              "WaveData bank 0\n"),
        warns("CommentEndRightAfterTheDigits", wave_with("/* 0x01*/0x02,\n", 2),
              "gpif.c:3: warning: 1 values inside a comment were read into "
              "WaveData bank 0\n"),
        Case{"InitData",
             block_with("const char xdata InitData[7] =", "/* 0x01, */\n", 1,
                        7) +
                 wave_block() + flow_block() + kIfconfigLine,
             "gpif.c:3: warning: 1 values inside a comment were read into "
             "InitData\n"},
        warns("FlowStatesOfBankTwo",
              block_with("const char xdata FlowStates2[36] =",
                         "0x01, // 0x02 0x03 0x04\n", 4, 36) +
                  wave_block('2'),
              "gpif.c:3: warning: 3 values inside a comment were read into "
              "FlowStates bank 2\n"),
        quiet("Labels", wave_with("// Wave 0\n/* LenBr */ 0x01,0x02,\n", 2)),
        quiet("CommentAfterTheValues", wave_with("0x01, /* last */\n", 1)),
        quiet("CloseWithoutOpen", wave_with("*/ 0x01, / 0x02 * /\n", 2)),
        quiet("OutsideEveryBlock", "// 0x01, 0x02\n/* 0x03\n0x04 */\n"),
        warns("BlockThatStoresNothing",
              "const char xdata WaveData_x[128] =\n{\n// 0x01\n};\n",
              "gpif.c:1: warning: table 'WaveData_x' is not read: " + kNoBank)),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    TableSize, PrintedWarnings,
    testing::Values(
        warns("TooFew", table_block("const char WaveData[128] =", 127),
              "gpif.c:1: warning: WaveData bank 0 holds 127 values, not 128\n"),
        warns("RunOnIntoTheNextBank",
              table_block("const char WaveData[128] =", 130),
              "gpif.c:1: warning: WaveData bank 0 holds 130 values, not 128\n"),
        warns("DroppedPastTheLastBank",
              table_block("const char WaveData7[128] =", 131) + flow_block('7'),
              "gpif.c:1: warning: WaveData bank 7 holds 131 values, not 128\n"),
        warns("InitDataTooMany", table_block("const char InitData[7] =", 8),
              "gpif.c:1: warning: InitData holds 8 values, not 7\n"),
        warns("FlowStatesEmpty", "const char FlowStates[36] =\n{\n};\n",
              "gpif.c:1: warning: FlowStates bank 0 holds 0 values, not 36\n"),
        warns("PrefixWithoutDigitsCounts",
              "const char InitData[7] =\n{\n0x, " + value_rows(7) + "};\n",
              "gpif.c:1: warning: InitData holds 8 values, not 7\n"),
        quiet("ValuesOnTheHeaderLine",
              "const char InitData[7] = { 0x09,\n" + value_rows(7) + "};\n"),
        quiet("ValuesAfterTheEnd",
              "const char InitData[7] =\n" + value_rows(7) + "}; 0x01\n"),
        quiet("UpperCaseXIsNoValue",
              "const char InitData[7] =\n0X01 " + value_rows(7) + "};\n")),
    case_name);

const std::string kOpenFlow = "const char xdata FlowStates[36] =\n{\n";
const std::string kHead = kIfconfigLine + init_block() + wave_block();
const std::string kFlowLine = "gpif.c:" + std::to_string(line_count(kHead) + 1);

INSTANTIATE_TEST_SUITE_P(
    NotClosed, PrintedWarnings,
    testing::Values(
        Case{
            "AtTheEnd", kHead + kOpenFlow + value_rows(36),
            kFlowLine + ": warning: FlowStates bank 0 is not closed by '};'\n"},
        Case{"AtTheEndAndShort", kHead + kOpenFlow + value_rows(3),
             kFlowLine +
                 ": warning: FlowStates bank 0 holds 3 values, not 36\n" +
                 kFlowLine +
                 ": warning: FlowStates bank 0 is not closed by '};'\n"},
        Case{
            "IndentedEnd", kHead + kOpenFlow + value_rows(36) + " };\n",
            kFlowLine + ": warning: FlowStates bank 0 is not closed by '};'\n"},
        Case{
            "BlankInTheEnd", kHead + kOpenFlow + value_rows(36) + "} ;\n",
            kFlowLine + ": warning: FlowStates bank 0 is not closed by '};'\n"},
        Case{"EndWithoutLineFeed", kHead + kOpenFlow + value_rows(36) + "};",
             ""},
        Case{"EndWithAComment", kHead + kOpenFlow + value_rows(36) + "}; //\n",
             ""}),
    case_name);

const std::string kTables = init_block() + wave_block() + flow_block();

INSTANTIATE_TEST_SUITE_P(
    IfconfigAgain, PrintedWarnings,
    testing::Values(
        Case{"Twice", "  IFCONFIG = 0xCE;\n" + kTables + "  IFCONFIG = 0x6A;\n",
             "gpif.c:" + std::to_string(line_count(kTables) + 2) +
                 ": warning: IFCONFIG is set again: 0x6a replaces 0xce\n"},
        Case{"ThreeTimesAsRead",
             "  IFCONFIG = 0x1;\n  IFCONFIG = 0x1FF;\n  IFCONFIG = 0xAB;\n" +
                 kTables,
             "gpif.c:2: warning: IFCONFIG is set again: 0xff replaces 0x01\n"
             "gpif.c:3: warning: IFCONFIG is set again: 0xab replaces 0xff\n"},
        Case{"OtherIndentation",
             "  IFCONFIG = 0xCE;\n    IFCONFIG = 0xCB;\n IFCONFIG = 0xCB;\n"
             "\tIFCONFIG = 0xCB;\nIFCONFIG = 0xCB;\n  IFCONFIG=0xCB;\n"
             "  // IFCONFIG = 0xCB;\n" +
                 kTables,
             ""}),
    case_name);

const std::string kNoIfconfig =
    "gpif.c: warning: no IFCONFIG line; IFCONFIG is 0x00\n";
const std::string kNoInitData =
    "gpif.c: warning: no InitData table; its 7 bytes are 0x00\n";
const std::string kNoWaveData =
    "gpif.c: warning: no WaveData table; the image holds no bank\n";

INSTANTIATE_TEST_SUITE_P(
    WholeSource, PrintedWarnings,
    testing::Values(
        Case{"NoIfconfig", kTables, kNoIfconfig},
        Case{"IfconfigZero", "  IFCONFIG = 0x00;\n" + kTables, ""},
        Case{"NoInitData", kIfconfigLine + wave_block() + flow_block(),
             kNoInitData},
        Case{"InitDataOfTheWrongSize",
             kIfconfigLine + table_block("const char InitData[7] =", 6) +
                 wave_block() + flow_block(),
             "gpif.c:2: warning: InitData holds 6 values, not 7\n"},
        Case{"NoWaveData", kIfconfigLine + init_block(), kNoWaveData},
        Case{"OnlyABlockThatStoresNothing",
             kIfconfigLine + init_block() + "const char WaveData9[128] =\n",
             "gpif.c:6: warning: table 'WaveData9' is not read: " + kNoBank +
                 kNoWaveData},
        Case{"NoFlowStates", kIfconfigLine + init_block() + wave_block('3'),
             "gpif.c: warning: bank 3 has no FlowStates table; its 36 bytes "
             "are 0x00\n"},
        Case{"FlowStatesBeforeItsWaveData",
             kIfconfigLine + init_block() + flow_block('4') + wave_block('4'),
             ""},
        Case{"FlowStatesOfAnUnusedBank",
             kIfconfigLine + init_block() + wave_block() + flow_block() +
                 flow_block('6') + flow_block('6'),
             "gpif.c:" + std::to_string(2 + line_count(kTables)) +
                 ": warning: FlowStates bank 6 is not in the image: bank 6 "
                 "has no WaveData table\n"},
        Case{"FlowStatesWithoutAnyWaveData",
             kIfconfigLine + init_block() + flow_block(),
             "gpif.c:6: warning: FlowStates bank 0 is not in the image: bank "
             "0 has no WaveData table\n" +
                 kNoWaveData},
        Case{"EmptySource", "", kNoIfconfig + kNoInitData + kNoWaveData}),
    case_name);

// Fails: the scanner follows comments only from the line after a header,
// so a comment the header line opens hides values from the firmware's
// compiler without a warning. Enable once comments are followed from the
// header line on.
TEST(ValuesInCommentOpenedByTheHeader, DISABLED_AreWarnedAbout) {
  const std::string source =
      "const char xdata WaveData[128] = /* first\n"
      "0x01 */\n" +
      value_rows(127) + "};\n" + kIfconfigLine + init_block() + flow_block();
  EXPECT_EQ(printed_warnings(source),
            "gpif.c:2: warning: 1 values inside a comment were read into "
            "WaveData bank 0\n");
}

}  // namespace
}  // namespace wfpack
