// Each warning about a table body's end, IFCONFIG or the whole source, printed
// byte for byte, for a source that calls for it and for near misses.
#include <gtest/gtest.h>

#include <string>

#include "support/warning_cases.h"
#include "warnings/source_warnings.h"

namespace wfpack {
namespace {

using namespace testing_support;

class PrintedSourceWarnings : public testing::TestWithParam<KernelCase> {};

TEST_P(PrintedSourceWarnings, AreExactlyTheExpectedLines) {
  expect_printed(GetParam());
}

const std::string kOpenFlow = "const char xdata FlowStates[36] =\n{\n";
const std::string kHead = kIfconfigLine + init_table() + wave_table();
const std::string kFlowLine = "gpif.c:" + std::to_string(line_count(kHead) + 1);

INSTANTIATE_TEST_SUITE_P(
    NotClosed, PrintedSourceWarnings,
    with_every_kernel(
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

const std::string kTables = init_table() + wave_table() + flow_table();
std::string warning(std::size_t line, const std::string& text) {
  return "gpif.c:" + std::to_string(line) + ": warning: IFCONFIG is " + text +
         "\n";
}
const std::string kReadAs = "', not a 0x number: it is read as 0x";
std::string line_value(const char* value, const char* line,
                       const char* previous) {
  return std::string("this line's value, read as ") + value +
         ", replaces the value set at line " + line + ", read as " + previous;
}

INSTANTIATE_TEST_SUITE_P(
    IfconfigAgain, PrintedSourceWarnings,
    with_every_kernel(
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
             ""},
        // Only one plain 0x number reads as the compiler reads it.
        Case{
            "ExpressionDecimalAndLongExpression",
            "  IFCONFIG = (IFCONFIG & 0xF8) | 0x06;\n  IFCONFIG = 238;\n"
            "  IFCONFIG = bmIFCLKSRC\t   | bmIFGPIF | bm3048MHZ | bmIFCLKOE "
            "| bmASYNC;\n" +
                kTables,
            warning(1, "set from '(IFCONFIG & 0xF8) | 0x06;" + kReadAs + "00") +
                warning(2, "set from '238;" + kReadAs + "38") +
                warning(2, "set again: " + line_value("0x38", "1", "0x00")) +
                warning(3,
                        "set from 'bmIFCLKSRC | bmIFGPIF | bm3048MHZ | "
                        "bmIFCLKOE |..." +
                            kReadAs + "0b") +
                warning(3, "set again: " + line_value("0x0b", "2", "0x38"))},
        Case{"NumbersAndMacrosAcrossLines",
             "  IFCONFIG = 0xce; // internal clock\n  IFCONFIG = 0XCE ;\t/* 48 "
             "MHz */\n  IFCONFIG = bmIFCLKSRC // internal IFCLK\n"
             "           | bmIFGPIF;\n  IFCONFIG = 0xC6;\n" +
                 kTables,
             warning(2, "set again: 0xce replaces 0xce") +
                 warning(3, "set from 'bmIFCLKSRC // internal IFCLK" + kReadAs +
                                "0b") +
                 warning(3,
                         "set again: this line's value, read as 0x0b, "
                         "replaces 0xce") +
                 warning(5,
                         "set again: 0xc6 replaces the value set at line 3, "
                         "read as 0x0b")}),
    case_name);

const std::string kNoBank =
    "only WaveData and WaveData0 to WaveData7 name a bank\n";
const std::string kNoIfconfig =
    "gpif.c: warning: no IFCONFIG line; IFCONFIG is 0x00\n";
const std::string kNoInitData =
    "gpif.c: warning: no InitData table; its 7 bytes are 0x00\n";
const std::string kNoWaveData =
    "gpif.c: warning: no WaveData table; the image holds no bank\n";

INSTANTIATE_TEST_SUITE_P(
    WholeSource, PrintedSourceWarnings,
    with_every_kernel(
        Case{"NoIfconfig", kTables, kNoIfconfig},
        Case{"IfconfigZero", "  IFCONFIG = 0x00;\n" + kTables, ""},
        Case{"NoInitData", kIfconfigLine + wave_table() + flow_table(),
             kNoInitData},
        Case{"InitDataOfTheWrongSize",
             kIfconfigLine + whole_table("const char InitData[7] =", 6) +
                 wave_table() + flow_table(),
             "gpif.c:2: warning: InitData holds 6 values, not 7\n"},
        Case{"NoWaveData", kIfconfigLine + init_table(), kNoWaveData},
        Case{"OnlyABodyThatStoresNothing",
             kIfconfigLine + init_table() + "const char WaveData9[128] =\n",
             "gpif.c:6: warning: table 'WaveData9' is not read: " + kNoBank +
                 kNoWaveData},
        Case{"NoFlowStates", kIfconfigLine + init_table() + wave_table('3'),
             "gpif.c: warning: bank 3 has no FlowStates table; its 36 bytes "
             "are 0x00\n"},
        Case{"FlowStatesBeforeItsWaveData",
             kIfconfigLine + init_table() + flow_table('4') + wave_table('4'),
             ""},
        Case{"FlowStatesOfAnUnusedBank",
             kIfconfigLine + init_table() + wave_table() + flow_table() +
                 flow_table('6') + flow_table('6'),
             "gpif.c:" + std::to_string(2 + line_count(kTables)) +
                 ": warning: FlowStates bank 6 is not in the image: bank 6 "
                 "has no WaveData table\n"},
        Case{"FlowStatesWithoutAnyWaveData",
             kIfconfigLine + init_table() + flow_table(),
             "gpif.c:6: warning: FlowStates bank 0 is not in the image: bank "
             "0 has no WaveData table\n" +
                 kNoWaveData},
        Case{"EmptySource", "", kNoIfconfig + kNoInitData + kNoWaveData},
        Case{"IfconfigNotRead",
             "IFCONFIG=0xCE;\n\tIFCONFIG = 0xCE;\n" + kTables,
             "gpif.c:1: warning: IFCONFIG is set on this line but not read: "
             "the IFCONFIG line begins with 2 blanks, 'IFCONFIG', a blank and "
             "'='\n" +
                 kNoIfconfig},
        Case{"IfconfigOnlyChanged",
             "  IFCONFIG |= 0x01;\nIFCONFIG == 1;\nIFCONFIGS = 1;\n" + kTables,
             kNoIfconfig},
        Case{"IfconfigReadAfterANearMiss",
             " IFCONFIG = 0xCE;\n" + kTables + "  IFCONFIG = 0xCE;\n", ""}),
    case_name);

}  // namespace
}  // namespace wfpack
