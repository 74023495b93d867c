// The warning about bytes that are not what their description says: each
// row contradicted in turn, from either side, and the variants of the
// design tool's layout, which must stay silent.
#include <gtest/gtest.h>

#include <string>

#include "support/described_design.h"
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

std::string changed(const std::string& from, const std::string& to,
                    const std::string& after = "") {
  return edited(kDescribedDesign, from, to, after);
}

const std::string kInit = "the initialization";
const std::string kOutputs = "0x01,0x00,0x00,0x01,0x01,0x01,0x01,0x01";
const std::string kCtlRows =
    "// CTL1         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL2         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL3         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL4         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL5         0         0         0         0         0         0    "
    "     0         0\n";

// Only CTL0 enabled: the others float, CTL4 and CTL5 are no outputs.
std::string tristate() {
  const std::string floating =
      "         z         z         z         z         z         z         z"
      "         z\n";
  std::string text = edited(kDescribedDesign, kCtlRows,
                            "// CTL1" + floating + "// CTL2" + floating +
                                "// CTL3" + floating + "// CTL4\n// CTL5\n");
  text = edited(text, "Binary", "Tristate");
  text = edited(text, kOutputs, "0x11,0x10,0x10,0x11,0x11,0x11,0x11,0x11");
  return edited(text, "0xE0,0x00,0x00,0x01", "0xE0,0x80,0x00,0x11");
}

// Every line with the trailing blanks some versions of the tool keep.
std::string blanks_kept() {
  std::string text;
  for (std::size_t at = 0; at < kDescribedDesign.size();) {
    const std::size_t end = kDescribedDesign.find('\n', at);
    std::string line = kDescribedDesign.substr(at, end - at);
    if (line.starts_with("//"))
      line.resize(std::max<std::size_t>(line.size(), 92), ' ');
    text += line + "\n";
    at = end + 1;
  }
  return text;
}

std::string after_the_tables(const std::string& text) {
  const std::size_t tables = text.find("const char xdata WaveData");
  return text.substr(tables) + text.substr(0, tables);
}

class DescriptionWarnings : public testing::TestWithParam<KernelCase> {};

TEST_P(DescriptionWarnings, AreExactlyTheExpectedLines) {
  expect_printed(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EachRowDescribedOtherwise, DescriptionWarnings,
    with_every_kernel(
        Case{"AddrMode",
             changed("// AddrMode Same Val", "// AddrMode Inc Val "),
             said(45,
                  "interval 0 AddrMode is 'Same Val', described as "
                  "'Inc Val'")},
        Case{"DataMode", changed("NO Data   Activate", "NO Data   NO Data "),
             said(46,
                  "interval 2 DataMode is 'Activate', described as "
                  "'NO Data'")},
        Case{"NextData", changed("SameData  NextData", "SameData  SameData"),
             said(47,
                  "interval 2 NextData is 'NextData', described as "
                  "'SameData'")},
        Case{"IntTrig", changed("Trig No Int   ", "Trig Trig Int "),
             said(48,
                  "interval 0 Int Trig is 'No Int', described as "
                  "'Trig Int'")},
        Case{"IfWait", changed("Wait 2", "Wait 3"),
             said(49,
                  "interval 1 IF/Wait is 'Wait 2', described as "
                  "'Wait 3'")},
        Case{"TermA", changed("TCXpire", "RDY0   ", "//   Term A"),
             said(50, "interval 3 Term A is 'TCXpire', described as 'RDY0'")},
        Case{"LFunc", changed("AND", "OR ", "//   LFunc"),
             said(51, "interval 3 LFunc is 'AND', described as 'OR'")},
        Case{"TermB", changed("TCXpire", "FIFOFlag", "//   Term B"),
             said(52,
                  "interval 3 Term B is 'TCXpire', described as "
                  "'FIFOFlag'")},
        Case{"Branch1", changed("ThenIdle", "Then 4  "),
             said(53,
                  "interval 3 Branch1 is 'ThenIdle', described as "
                  "'Then 4'")},
        Case{"Branch0", changed("Else 0", "Else 6"),
             said(54,
                  "interval 3 Branch0 is 'Else 0', described as "
                  "'Else 6'")},
        Case{"ReExec", changed("No\n", "Yes\n", "// Re-Exec"),
             said(55, "interval 3 Re-Exec is 'No', described as 'Yes'")},
        Case{"SnglCrc", changed("CRC Default", "CRC CRC    "),
             said(56,
                  "interval 0 Sngl/CRC is 'Default', described as "
                  "'CRC'")},
        Case{"Ctl", changed("// RD#          1", "// RD#          0"),
             said(57, "interval 0 RD# is '1', described as '0'")},
        Case{"InitializationBlock", changed("Sync", "Async"),
             said(29, "Interface Timing is 'Sync', described as 'Async'",
                  kInit)}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    BytesEditedByHand, DescriptionWarnings,
    with_every_kernel(
        Case{"ABitSet", changed("0x06,0x01,0x00", "0x06,0x01,0x10"),
             said(48,
                  "interval 4 Int Trig is 'Trig Int', described as "
                  "'No Int'")},
        Case{"IdleLevel", changed("0x00,0x01,0xEE", "0x00,0x21,0xEE"),
             said(62, "Idle CTL5 is '1', described as '0'")},
        Case{"WaveformReplaced",
             changed("0x01,0x02,0x01,0x38,0x01,0x01,0x01,0x07,\n"
                     "/* Wave 2 Opcode */ 0x00,0x00,0x06,0x01",
                     "0x01,0x01,0x01,0x01,0x01,0x01,0x01,0x07,\n"
                     "/* Wave 2 Opcode */ 0x00,0x00,0x00,0x00"),
             said(46,
                  "interval 2 DataMode is 'NO Data', described as "
                  "'Activate' (and 9 more cells)")},
        Case{"CtlMadeOpenDrain", changed("0xE0,0x00", "0xE0,0x01"),
             said(10, "CTL 0 is 'Drain', described as 'CMOS'", kInit)},
        Case{"InBankThree",
             edited(edited(changed("Wait 2", "Wait 3"), "WaveData[",
                           "WaveData3["),
                    "FlowStates[", "FlowStates3["),
             said(49, "interval 1 IF/Wait is 'Wait 2', described as 'Wait 3'",
                  "bank 3 waveform 2 'FIFO Rd'")}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    TheToolsVariants, DescriptionWarnings,
    with_every_kernel(
        Case{"AsWritten", kDescribedDesign, ""},
        Case{"TrailingBlanksKept", blanks_kept(), ""},
        Case{"NoReExecNorSnglCrcRow",
             changed("// Re-Exec                                No\n"
                     "// Sngl/CRC Default   Default   Default   Default   "
                     "Default   Default   Default\n",
                     ""),
             ""},
        Case{"TristateMode", tristate(), ""},
        Case{"CtlLabelledUnlikeItsName", changed("// RD# ", "// CTL0"), ""},
        Case{"SingleBitSetAndSaid",
             edited(changed("0x06,0x01,0x00,0x00", "0x06,0x01,0x00,0x20"),
                    "Default   Default\n", "CRC       Default\n"),
             ""},
        Case{"NoWaveDataAfterIt", after_the_tables(changed("Wait 2", "Wait 3")),
             ""}),
    case_name);

TEST(DescriptionWarnings, AreNotGivenWhenTurnedOff) {
  const std::string source = changed("Wait 2", "Wait 3");
  GpifImage image;
  SourceWarnings warnings(false);
  scan_in_chunks(source, source.size(), best_kernel(), image, warnings);
  EXPECT_TRUE(warnings.shown().empty());
}

}  // namespace
}  // namespace wfpack
