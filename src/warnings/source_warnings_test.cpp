// Each warning about a table, printed byte for byte, for a source that
// calls for it and for near misses a design tool's source or firmware code
// holds, which must stay silent.
#include "warnings/source_warnings.h"

#include <gtest/gtest.h>

#include <string>

#include "support/warning_cases.h"

namespace wfpack {
namespace {

using namespace testing_support;

class PrintedWarnings : public testing::TestWithParam<KernelCase> {};

TEST_P(PrintedWarnings, AreExactlyTheExpectedLines) {
  expect_printed(GetParam());
}

const std::string kNoBank =
    "only WaveData and WaveData0 to WaveData7 name a bank\n";
const std::string kSpelling =
    "a table header is 'const char', then 'xdata', '__xdata' or nothing, then "
    "the table's name\n";
const std::string kValues = "{\n0x01,\n};\n";

INSTANTIATE_TEST_SUITE_P(
    TableNotRead, PrintedWarnings,
    with_every_kernel(
        warns("SelectorNamesNoBank",
              "const char xdata WaveData_multiChannel[128] =\n" + kValues,
              "gpif.c:1: warning: table 'WaveData_multiChannel' is not read: " +
                  kNoBank),
        warns("BankEight",
              "// bank 8\n\nconst char xdata WaveData8[128] =\n};\n",
              "gpif.c:3: warning: table 'WaveData8' is not read: " + kNoBank),
        warns("BlankBeforeTheBracket",
              "const char xdata WaveData [128] =\n" + kValues,
              "gpif.c:1: warning: table 'WaveData' is not read: a blank "
              "between WaveData and '[' names no bank\n"),
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
    with_every_kernel(
        warns("LineComment", wave_with("// 0x01,0x02,\n", 2),
              "gpif.c:3: warning: 2 values inside a comment were read into "
              "WaveData bank 0\n"),
        warns("SlashStarCommentAcrossLines",
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
             table_with("const char xdata InitData[7] =", "/* 0x01, */\n", 1,
                        7) +
                 wave_table() + flow_table() + kIfconfigLine,
             "gpif.c:3: warning: 1 values inside a comment were read into "
             "InitData\n"},
        warns("FlowStatesOfBankTwo",
              table_with("const char xdata FlowStates2[36] =",
                         "0x01, // 0x02 0x03 0x04\n", 4, 36) +
                  wave_table('2'),
              "gpif.c:3: warning: 3 values inside a comment were read into "
              "FlowStates bank 2\n"),
        quiet("Labels", wave_with("// Wave 0\n/* LenBr */ 0x01,0x02,\n", 2)),
        quiet("CommentAfterTheValues", wave_with("0x01, /* last */\n", 1)),
        quiet("CloseWithoutOpen", wave_with("*/ 0x01, / 0x02 * /\n", 2)),
        quiet("OutsideEveryTable", "// 0x01, 0x02\n/* 0x03\n0x04 */\n"),
        warns("BodyThatStoresNothing",
              "const char xdata WaveData_x[128] =\n{\n// 0x01\n};\n",
              "gpif.c:1: warning: table 'WaveData_x' is not read: " + kNoBank)),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    TableSize, PrintedWarnings,
    with_every_kernel(
        warns("TooFew", whole_table("const char WaveData[128] =", 127),
              "gpif.c:1: warning: WaveData bank 0 holds 127 values, not 128\n"),
        warns("RunOnIntoTheNextBank",
              whole_table("const char WaveData[128] =", 130),
              "gpif.c:1: warning: WaveData bank 0 holds 130 values, not 128\n"),
        warns("DroppedPastTheLastBank",
              whole_table("const char WaveData7[128] =", 131) + flow_table('7'),
              "gpif.c:1: warning: WaveData bank 7 holds 131 values, not 128\n"),
        warns("InitDataTooMany", whole_table("const char InitData[7] =", 8),
              "gpif.c:1: warning: InitData holds 8 values, not 7\n"),
        // Values past a full table change nothing in the image, inside a
        // comment or not: they are only counted.
        warns("CommentedValuesPastTheEnd",
              "const char InitData[7] =\n{\n" + value_rows(7) +
                  "// 0x01 0x02\n};\n",
              "gpif.c:1: warning: InitData holds 9 values, not 7\n"),
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

// A comment the header line opens goes on into the table body; one it closes,
// or a "//" comment, ends on that line.
TEST(ValuesInCommentOpenedByTheHeader, AreWarnedAbout) {
  struct Case {
    const char* header_end;
    const char* warnings;
  };
  const std::string rest = "0x01 */\n" + value_rows(127) + "};\n" +
                           kIfconfigLine + init_table() + flow_table();
  for (const Case& c :
       {Case{" /* first\n",
             "gpif.c:2: warning: 1 values inside a comment were read into "
             "WaveData bank 0\n"},
        Case{" /* first */ /* second\n",
             "gpif.c:2: warning: 1 values inside a comment were read into "
             "WaveData bank 0\n"},
        Case{" /* first */\n", ""}, Case{" // first /*\n", ""},
        Case{" /*/\n",
             "gpif.c:2: warning: 1 values inside a comment were read into "
             "WaveData bank 0\n"}}) {
    EXPECT_EQ(printed_warnings(std::string("const char xdata WaveData[128] =") +
                               c.header_end + rest),
              c.warnings)
        << c.header_end;
  }
}

}  // namespace
}  // namespace wfpack
