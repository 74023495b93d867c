#include "reader/line_start.h"

#include <gtest/gtest.h>

#include <string>

namespace wfpack {
namespace {

using namespace std::string_literals;

// The line as the scanner would gather it, in pieces of the given size.
LinePrefix gather(std::string_view line, std::size_t piece) {
  LinePrefix prefix;
  prefix.clear();
  for (std::size_t at = 0; at < line.size() && !prefix.complete();) {
    const std::string_view part = line.substr(at, piece);
    at += static_cast<std::size_t>(
        prefix.take(part.data(), part.data() + part.size()) - part.data());
  }
  if (!prefix.complete()) prefix.end_line();
  return prefix;
}

LineStart classify(std::string_view line) {
  return classify_line(gather(line, line.size() + 1).text());
}

TEST(LinePrefix, FoldsLongBlankRunsAndStopsAtTheLineEnd) {
  struct Case {
    std::string line;
    std::string text;
    bool line_ended;
  };
  for (const Case& c : {
           Case{"  IFCONFIG = 1\n0x2", "  IFCONFIG = 1", true},
           Case{"const     char\t\t\t\txdata", "const   char\t\t\txdata", true},
           Case{"a \t \t b", "a \t b", true},
           Case{"x\0y"s, "x", true},
           Case{std::string(200, 'q'), std::string(128, 'q'), false},
           Case{std::string(500, ' ') + "c", "   c", true},
       }) {
    for (std::size_t piece : {1u, 2u, 5u, 1000u}) {
      const LinePrefix prefix = gather(c.line, piece);
      EXPECT_EQ(prefix.text(), c.text) << c.line << " in pieces of " << piece;
      EXPECT_EQ(prefix.line_ended(), c.line_ended) << c.line;
    }
  }
}

TEST(ClassifyLine, IfconfigNeedsItsExactIndentation) {
  for (const char* line :
       {"  IFCONFIG = 0xEE;", "  IFCONFIG =", "  IFCONFIG =0x12"}) {
    EXPECT_EQ(classify(line).kind, LineKind::Ifconfig) << line;
  }
  for (const char* line :
       {" IFCONFIG = 0x12;", "\tIFCONFIG = 0x12;", "   IFCONFIG = 0x12;",
        "    IFCONFIG = 0x12;", "  IFCONFIG= 0x12;", "  IFCONFIG\t= 0x12;",
        "  IFCONFIG |= 0x12;", "  ifconfig = 0x12;"}) {
    EXPECT_EQ(classify(line).kind, LineKind::Other) << line;
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
  const LineStart line = classify(c.line);
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
