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
              "gpif.c:3: warning: 1 value inside a comment was read into "
              "WaveData bank 0\n"
              "gpif.c:4: warning: 2 values inside a comment were read into "
              "WaveData bank 0\n"),
        warns("SlashStarSlashDoesNotClose",
              wave_with("/*/ 0x01, */ 0x02,\n", 2),
              "gpif.c:3: warning: 1 value inside a comment was read into "
              "WaveData bank 0\n"),
        warns("MarkRightAfterTheDigits", wave_with("0x01//0x02,\n", 2),
              "gpif.c:3: warning: 1 value inside a comment was read into "
              "WaveData bank 0\n"),
        warns("CommentEndRightAfterTheDigits", wave_with("/* 0x01*/0x02,\n", 2),
              "gpif.c:3: warning: 1 value inside a comment was read into "
              "WaveData bank 0\n"),
        Case{"InitData",
             table_with("const char xdata InitData[7] =", "/* 0x01, */\n", 1,
                        7) +
                 wave_table() + flow_table() + kIfconfigLine,
             "gpif.c:3: warning: 1 value inside a comment was read into "
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
        quiet("UpperCaseXPastTheEnd",
              "const char InitData[7] =\n" + value_rows(7) + "0X01\n};\n")),
    case_name);

const std::string kOneLineInit =
    "const char xdata InitData[7] = { 0xA0,0x00,0x00,0x00,0xEE,0x4E,0x00 };\n";
const std::string kEndsOnlyAt =
    ": a table body ends only at a line that begins with '};'";

INSTANTIATE_TEST_SUITE_P(
    TableInBody, PrintedWarnings,
    with_every_kernel(
        Case{"OneLineTableTakesInTheNext",
             kIfconfigLine + kOneLineInit + wave_table() + flow_table(),
             "gpif.c:3: warning: table 'WaveData' is inside the body of "
             "InitData from line 2" +
                 kEndsOnlyAt +
                 ", and values on a header's own line, as on line 2, are not "
                 "read\n"
                 "gpif.c:3: warning: InitData holds 128 values, not 7\n"
                 "gpif.c:22: warning: FlowStates bank 0 is not in the image: "
                 "bank 0 has no WaveData table\n"
                 "gpif.c: warning: no WaveData table; the image holds no "
                 "bank\n"},
        Case{"BodyWithoutItsEnd",
             kIfconfigLine + "const char InitData[7] =\n{\n" + value_rows(7) +
                 wave_table() + flow_table(),
             "gpif.c:5: warning: table 'WaveData' is inside the body of "
             "InitData from line 2" +
                 kEndsOnlyAt +
                 "\ngpif.c:5: warning: InitData holds 135 values, not 7\n"
                 "gpif.c:24: warning: FlowStates bank 0 is not in the image: "
                 "bank 0 has no WaveData table\n"
                 "gpif.c: warning: no WaveData table; the image holds no "
                 "bank\n"},
        warns("RenamedTableInABodyThatStoresNothing",
              "const char WaveData9[128] =\n{\nconst char FlowStates_x[36] "
              "=\n};\n",
              "gpif.c:1: warning: table 'WaveData9' is not read: " + kNoBank +
                  "gpif.c:3: warning: table 'FlowStates_x' is inside the body "
                  "of WaveData from line 1" +
                  kEndsOnlyAt + "\n"),
        Case{"OneLineTableFollowedByNothing",
             kIfconfigLine + wave_table() + flow_table() + kOneLineInit,
             "gpif.c:29: warning: InitData holds 0 values, not 7\n"
             "gpif.c:29: warning: InitData is not closed by '};'\n"},
        Case{"UsesOfTheTablesInABody",
             kIfconfigLine + init_table() + flow_table() +
                 "const char WaveData[128] =\n" + value_rows(128) +
                 "extern const char xdata WaveData[128];\n"
                 "BYTE xdata WaveData_copy[128];\nWaveData[0] = 0x01;\n",
             "gpif.c:14: warning: WaveData bank 0 holds 129 values, not 128\n"
             "gpif.c:14: warning: WaveData bank 0 is not closed by '};'\n"}),
    case_name);

const std::string kAsTheyStand =
    " values after an operator were read into WaveData bank 0 as they stand: "
    "the compiler computes with the operator\n";

INSTANTIATE_TEST_SUITE_P(
    ReadOtherwise, PrintedWarnings,
    with_every_kernel(
        warns("Minus", wave_with("0x00,\n-0x01, - 0x02,\n0x03 -0x04,\n", 5),
              "gpif.c:4: warning: 3" + kAsTheyStand),
        warns("BinaryOperators",
              wave_with("0x05 | 0x01, 0x01 << 0x02, 0x03*0x04, 0x10 / 0x02,\n"
                        "(0x06) + 0x01, ~0x01, X &0x02, 0x03 >>\t0x01\n",
                        14),
              "gpif.c:3: warning: 8" + kAsTheyStand),
        quiet("UnaryPlusCommaBracketOrComment",
              wave_with("+0x01, + 0x02,0x03 0x04,(0x05), /* - */ 0x06, "
                        "/**/0x07, {0x08 0x09 < 0x0a || 0x0b\n",
                        11)),
        warns("FromTheSaturation",
              wave_with("0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x100000000,\n",
                        4),
              "gpif.c:3: warning: 3 values of 0x80000000 or more were read "
              "into WaveData bank 0 as 0xff: the compiler stores their low "
              "byte\n"),
        warns("InsideALongerToken",
              wave_with("0x01,a0x12, 10x34, _0x56 x0x78,\n", 5),
              "gpif.c:3: warning: 4 values inside a longer token were read "
              "into WaveData bank 0: the compiler reads the token whole\n"),
        warns("UpperCasePrefix",
              wave_with("0X13, a0X14, 0XG, /* 0X15 */ 0x16, 0X17\n", 1),
              "gpif.c:3: warning: 2 values written with '0X' were not read "
              "into WaveData bank 0: the compiler stores them, so the values "
              "after them shift\n"),
        warns("OnlyInsideAComment", wave_with("// -0x01 a0x02 0x80000000\n", 3),
              "gpif.c:3: warning: 3 values inside a comment were read into "
              "WaveData bank 0\n"),
        warns("OnePerKind",
              table_with("const char xdata InitData[7] =",
                         "-0x01,0x100000000,\n0x01 | 0x02,\n", 4, 7),
              "gpif.c:3: warning: 2 values after an operator were read into "
              "InitData as they stand: the compiler computes with the "
              "operator\n"
              "gpif.c:3: warning: 1 value of 0x80000000 or more was read into "
              "InitData as 0xff: the compiler stores its low byte\n")),
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
             "gpif.c:2: warning: 1 value inside a comment was read into "
             "WaveData bank 0\n"},
        Case{" /* first */ /* second\n",
             "gpif.c:2: warning: 1 value inside a comment was read into "
             "WaveData bank 0\n"},
        Case{" /* first */\n", ""}, Case{" // first /*\n", ""},
        Case{" /*/\n",
             "gpif.c:2: warning: 1 value inside a comment was read into "
             "WaveData bank 0\n"}}) {
    EXPECT_EQ(printed_warnings(std::string("const char xdata WaveData[128] =") +
                               c.header_end + rest),
              c.warnings)
        << c.header_end;
  }
}

}  // namespace
}  // namespace wfpack
