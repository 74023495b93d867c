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
             ""}),
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
        Case{"EmptySource", "", kNoIfconfig + kNoInitData + kNoWaveData}),
    case_name);

}  // namespace
}  // namespace wfpack
