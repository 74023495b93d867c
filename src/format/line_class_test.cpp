#include "format/line_class.h"

#include <gtest/gtest.h>

#include <string>

namespace wfpack {
namespace {

TEST(ClassifyLine, IfconfigNeedsItsExactIndentation) {
  for (const char* line :
       {"  IFCONFIG = 0xEE;", "  IFCONFIG =", "  IFCONFIG =0x12"}) {
    EXPECT_EQ(classify_line(line).kind, LineKind::Ifconfig) << line;
  }
  for (const char* line :
       {" IFCONFIG = 0x12;", "\tIFCONFIG = 0x12;", "   IFCONFIG = 0x12;",
        "    IFCONFIG = 0x12;", "  IFCONFIG= 0x12;", "  IFCONFIG\t= 0x12;",
        "  IFCONFIG |= 0x12;", "  ifconfig = 0x12;"}) {
    EXPECT_EQ(classify_line(line).kind, LineKind::Other) << line;
  }
}

struct HeaderCase {
  std::string line;
  LineKind kind;
  TableKind table;
  char selector;
};

class HeaderSpelling : public testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderSpelling, AcceptsPortedStorageClassesAndNothingLooser) {
  const HeaderCase& c = GetParam();
  const LineClass line = classify_line(c.line);
  ASSERT_EQ(line.kind, c.kind) << c.line;
  if (c.kind != LineKind::Header) return;
  EXPECT_EQ(line.table, c.table) << c.line;
  if (c.table != TableKind::InitData) {
    EXPECT_EQ(line.selector, c.selector) << c.line;
  }
}

constexpr auto kHeader = LineKind::Header;
constexpr auto kOther = LineKind::Other;
constexpr auto kWave = TableKind::WaveData;
constexpr auto kFlow = TableKind::FlowStates;
constexpr auto kInit = TableKind::InitData;

INSTANTIATE_TEST_SUITE_P(
    Lines, HeaderSpelling,
    testing::Values(
        HeaderCase{"const char xdata WaveData2[128] =", kHeader, kWave, '2'},
        HeaderCase{"const char __xdata WaveData2[128] =", kHeader, kWave, '2'},
        HeaderCase{"const char WaveData[128] =", kHeader, kWave, '['},
        HeaderCase{"const  char\t\txdata \tWaveData2[128] =", kHeader, kWave,
                   '2'},
        HeaderCase{"const" + std::string(300, ' ') + "char FlowStates7",
                   kHeader, kFlow, '7'},
        HeaderCase{"const\tchar  FlowStates", kHeader, kFlow, kNoSelector},
        HeaderCase{"const char xdata WaveData [128] =", kHeader, kWave, ' '},
        HeaderCase{"const char xdata WaveData_multi[128] =", kHeader, kWave,
                   '_'},
        HeaderCase{"const char xdata InitData[7] =", kHeader, kInit, 0},
        HeaderCase{"const char InitData[7] = {", kHeader, kInit, 0},
        HeaderCase{"const char __xdata InitData[7] =", kHeader, kInit, 0},
        HeaderCase{" const char xdata WaveData2[128] =", kOther, kWave, 0},
        HeaderCase{"static const char xdata WaveData2[128] =", kOther, kWave,
                   0},
        HeaderCase{"constchar xdata WaveData2[128] =", kOther, kWave, 0},
        HeaderCase{"const charxdata WaveData2[128] =", kOther, kWave, 0},
        HeaderCase{"const char xdataWaveData2[128] =", kOther, kWave, 0},
        HeaderCase{"const char code WaveData2[128] =", kOther, kWave, 0},
        HeaderCase{"const char xdata __xdata WaveData2[128] =", kOther, kWave,
                   0},
        HeaderCase{"const unsigned char WaveData2[128] =", kOther, kWave, 0},
        HeaderCase{"const char xdata wavedata2[128] =", kOther, kWave, 0},
        HeaderCase{"const char xdata InitData[7]=", kOther, kInit, 0},
        HeaderCase{"const char xdata InitData[7]  =", kOther, kInit, 0},
        HeaderCase{"const char xdata InitData[8] =", kOther, kInit, 0},
        HeaderCase{"const char xdata InitData [7] =", kOther, kInit, 0},
        HeaderCase{"const char xdata InitData_x[7] =", kOther, kInit, 0}));

TEST(BankFromSelector, NamesBanksZeroToSevenOnly) {
  struct Case {
    char selector;
    std::size_t bank;
  };
  for (const Case& c :
       {Case{'[', 0}, Case{'0', 0}, Case{'3', 3}, Case{'7', 7},
        Case{'8', kNoBank}, Case{'9', kNoBank}, Case{'/', kNoBank},
        Case{' ', kNoBank}, Case{'_', kNoBank}, Case{kNoSelector, kNoBank},
        Case{'\r', kNoBank}}) {
    EXPECT_EQ(bank_from_selector(c.selector), c.bank) << int{c.selector};
  }
}

}  // namespace
}  // namespace wfpack
