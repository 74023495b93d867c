// The warning about bytes that are not what their description says, on the
// example, whose design the design tool describes true to its bytes: each
// row of its FIFO read (lines 108 to 125) contradicted in turn, from either
// side, and the variants of the tool's layout, which must stay silent.
#include <gtest/gtest.h>

#include <string>

#include "support/warning_cases.h"

namespace wfpack {
namespace {

using namespace testing_support;

std::string said(std::size_t line, const std::string& cell,
                 const std::string& what = "waveform 2 'FIFO Rd'") {
  return "gpif.c:" + std::to_string(line) + ": warning: " + what +
         " is not what its description says: " + cell +
         "; saving the file from the design tool writes the description back "
         "[-Wdescription]\n";
}

// In the description of the FIFO read, and in its bytes.
std::string described(const char* row, const std::string& from,
                      const std::string& to) {
  return edited(example_source(), {"// GPIF Waveform 2", row}, from, to);
}
std::string bytes(const char* row, const std::string& from,
                  const std::string& to) {
  return edited(example_source(), {"// Wave 2\n", row}, from, to);
}
std::string init_data(const std::string& to) {
  return edited(example_source(), {}, "0xA0,0x00,0x00,0x07", to);
}

const std::string kInit = "the initialization";
const std::string kBlank = "         z         z         z         z";

class DescriptionWarnings : public testing::TestWithParam<KernelCase> {};

TEST_P(DescriptionWarnings, AreExactlyTheExpectedLines) {
  expect_printed(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EachRowDescribedOtherwise, DescriptionWarnings,
    with_every_kernel(
        Case{"AddrMode", described("AddrMode", "Same Val", "Inc Val "),
             said(108,
                  "interval 0 AddrMode is 'Same Val', described as "
                  "'Inc Val'")},
        Case{"DataMode", described("DataMode", "Activate", "NO Data "),
             said(109,
                  "interval 2 DataMode is 'Activate', described as "
                  "'NO Data'")},
        Case{"NextData", described("NextData  Same", "NextData", "SameData"),
             said(110,
                  "interval 2 NextData is 'NextData', described as "
                  "'SameData'")},
        Case{"IntTrig", described("Int Trig", "No Int  ", "Trig Int"),
             said(111,
                  "interval 0 Int Trig is 'No Int', described as "
                  "'Trig Int'")},
        Case{"IfWait", described("IF/Wait", "Wait 2", "Wait 3"),
             said(112,
                  "interval 1 IF/Wait is 'Wait 2', described as "
                  "'Wait 3'")},
        Case{"TermA", described("Term A", "TCXpire", "RDY0   "),
             said(113,
                  "interval 3 Term A is 'TCXpire', described as "
                  "'RDY0'")},
        Case{"LFunc", described("LFunc", "AND", "OR "),
             said(114, "interval 3 LFunc is 'AND', described as 'OR'")},
        Case{"TermB", described("Term B", "TCXpire", "FIFOFlag"),
             said(115,
                  "interval 3 Term B is 'TCXpire', described as "
                  "'FIFOFlag'")},
        Case{"Branch1", described("Branch1", "ThenIdle", "Then 4  "),
             said(116,
                  "interval 3 Branch1 is 'ThenIdle', described as "
                  "'Then 4'")},
        Case{"Branch0", described("Branch0", "Else 0", "Else 6"),
             said(117,
                  "interval 3 Branch0 is 'Else 0', described as "
                  "'Else 6'")},
        Case{"ReExec", described("Re-Exec", "No", "Yes"),
             said(118, "interval 3 Re-Exec is 'No', described as 'Yes'")},
        Case{"SnglCrc", described("Sngl/CRC", "Default", "CRC    "),
             said(119,
                  "interval 0 Sngl/CRC is 'Default', described as "
                  "'CRC'")},
        Case{"Ctl", described("RD#", "1", "0"),
             said(120, "interval 0 RD# is '1', described as '0'")},
        Case{"InitializationBlock",
             edited(example_source(), {}, "Async", "Sync"),
             said(37, "Interface Timing is 'Async', described as 'Sync'",
                  kInit)}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    BytesEditedByHand, DescriptionWarnings,
    with_every_kernel(
        Case{"ABitSet", bytes("Opcode", "0x01,     0x00", "0x01,     0x10"),
             said(111,
                  "interval 4 Int Trig is 'Trig Int', described as "
                  "'No Int'")},
        Case{"ALevel", bytes("Output", "0x03", "0x13"),
             said(124, "interval 0 CTL 4 is '1', described as '0'")},
        Case{"WaveformReplaced",
             edited(bytes("LenBr", "0x02,     0x01,     0x38",
                          "0x01,     0x01,     0x01"),
                    {"// Wave 2\n", "Opcode"}, "0x06,     0x01",
                    "0x00,     0x00"),
             said(109,
                  "interval 2 DataMode is 'NO Data', described as "
                  "'Activate' (and 9 more cells)")},
        Case{"CtlMadeOpenDrain", init_data("0xA0,0x01,0x00,0x07"),
             said(16, "CTL 0 is 'Op Drain', described as 'CMOS'", kInit)},
        Case{"InBankThree",
             edited(edited(described("IF/Wait", "Wait 2", "Wait 3"), {},
                           "WaveData[", "WaveData3["),
                    {}, "FlowStates[", "FlowStates3["),
             said(112, "interval 1 IF/Wait is 'Wait 2', described as 'Wait 3'",
                  "bank 3 waveform 2 'FIFO Rd'")}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    TheToolsVariants, DescriptionWarnings,
    with_every_kernel(
        Case{"AsWritten", example_source(), ""},
        Case{"TrailingBlanksKept", blanks_kept(example_source()), ""},
        Case{"NoReExecNorSnglCrcRow",
             edited(example_source(), {"// GPIF Waveform 2"},
                    "// Re-Exec                                No\n// Sngl/CRC "
                    "Default   Default   Default   Default   Default   "
                    "Default   Default\n",
                    ""),
             ""},
        Case{"TristateMode",
             "// DO NOT EDIT ...\n// GPIF Waveform 0:\n// IF/Wait  IF        "
             "Wait 5\n// CTL0         1         z         z" +
                 kBlank + "         1\n// CTL1         z         1         1" +
                 kBlank + "         z\n// CTL2         z         z         z" +
                 kBlank +
                 "         z\n// CTL3\n// CTL4\n// CTL5\n"
                 "// END DO NOT EDIT\n" +
                 kTristateTables + flow_table() + kIfconfigLine,
             ""},
        Case{"CtlLabelledUnlikeItsName", described("RD#", "RD# ", "CTL0"), ""},
        Case{"OpenDrainSaid",
             edited(init_data("0xA0,0x01,0x00,0x07"), {"// CTL 0"}, "CMOS",
                    "Op Drain"),
             ""},
        Case{"SingleBitSetAndSaid",
             edited(bytes("Opcode", "0x00,     0x00,     0x00,\n",
                          "0x20,     0x00,     0x00,\n"),
                    {"// GPIF Waveform 2", "Sngl/CRC"}, "Default   Default\n",
                    "CRC       Default\n"),
             ""},
        Case{"NoWaveDataAfterIt",
             [] {
               const std::string text =
                   described("IF/Wait", "Wait 2", "Wait 3");
               const std::size_t tables = text.find("#include");
               return text.substr(tables) + text.substr(0, tables);
             }(),
             ""}),
    case_name);

TEST(DescriptionWarnings, AreNotGivenWhenTurnedOff) {
  const std::string source = described("IF/Wait", "Wait 2", "Wait 3");
  GpifImage image;
  SourceWarnings warnings(false);
  scan_in_chunks(source, source.size(), best_kernel(), image, warnings);
  EXPECT_TRUE(warnings.shown().empty());
}

}  // namespace
}  // namespace wfpack
