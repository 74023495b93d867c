#include "warnings/unread_table.h"

#include <gtest/gtest.h>

#include <string>

namespace wfpack {
namespace {

struct UnreadCase {
  std::string line;
  std::string name;  // empty: no unread table on the line
  UnreadReason reason = UnreadReason::NoBank;
};

UnreadTable unread(const std::string& line) {
  return unread_table(line, classify_line(line));
}

class UnreadTableLine : public testing::TestWithParam<UnreadCase> {};

TEST_P(UnreadTableLine, FindsTheDeclaredNameAndTellsWhy) {
  const UnreadCase& c = GetParam();
  const UnreadTable found = unread(c.line);
  EXPECT_EQ(found.found, !c.name.empty()) << c.line;
  if (c.name.empty()) return;
  EXPECT_EQ(found.name, c.name) << c.line;
  EXPECT_EQ(found.reason, c.reason) << c.line;
  // The name is a view into the line itself.
  EXPECT_GE(found.name.data(), c.line.data());
  EXPECT_LE(found.name.data() + found.name.size(),
            c.line.data() + c.line.size());
}

constexpr auto kNoBank = UnreadReason::NoBank;
constexpr auto kIndented = UnreadReason::NotAtLineStart;
constexpr auto kNotConst = UnreadReason::NotConstChar;
constexpr auto kInitData = UnreadReason::InitDataSpelling;
constexpr auto kSpelling = UnreadReason::HeaderSpelling;
constexpr auto kBlank = UnreadReason::BlankBeforeBracket;

INSTANTIATE_TEST_SUITE_P(
    Declarations, UnreadTableLine,
    testing::Values(
        // Headers whose selector names no bank.
        UnreadCase{"const char xdata WaveData_multiChannel[128] =",
                   "WaveData_multiChannel", kNoBank},
        UnreadCase{"const char WaveData8[128] =", "WaveData8", kNoBank},
        UnreadCase{"const char xdata WaveData [128] =", "WaveData", kBlank},
        UnreadCase{"const char xdata WaveData =", "WaveData", kNoBank},
        UnreadCase{"const char __xdata WaveData", "WaveData", kNoBank},
        UnreadCase{"const char FlowStates9[36] =", "FlowStates9", kNoBank},
        UnreadCase{"const char\txdata\tFlowStates_a[36] =", "FlowStates_a",
                   kNoBank},
        // Declarations the reader does not take for a header.
        UnreadCase{"const char xdata InitData_x[7] =", "InitData_x", kInitData},
        UnreadCase{"const char InitData[7]=", "InitData", kInitData},
        UnreadCase{"const char InitData [7] =", "InitData", kInitData},
        UnreadCase{"  const char xdata WaveData[128] =", "WaveData", kIndented},
        UnreadCase{"\tconst char InitData[7] =", "InitData", kIndented},
        UnreadCase{"__xdata const char WaveData[128] =", "WaveData", kNotConst},
        UnreadCase{"static const char xdata FlowStates[36] =", "FlowStates",
                   kNotConst},
        UnreadCase{"unsigned char WaveData[] = {", "WaveData", kNotConst},
        UnreadCase{"const unsigned char WaveData[128] =", "WaveData",
                   kSpelling},
        UnreadCase{"const char code WaveData2[128] =", "WaveData2", kSpelling},
        UnreadCase{"const  char  xdata  volatile  WaveData[128]  =", "WaveData",
                   kSpelling},
        // Lines that declare no table, or none with its values.
        UnreadCase{"const char xdata WaveData[128] =", ""},
        UnreadCase{"const char xdata WaveData3[128] =", ""},
        UnreadCase{"const char InitData[7] =", ""},
        UnreadCase{"const char xdata FlowStates7[36] =", ""},
        UnreadCase{"  IFCONFIG = 0xCE;", ""},
        UnreadCase{"extern const char xdata WaveData[128];", ""},
        UnreadCase{"BYTE xdata WaveData_copy[128];", ""},
        UnreadCase{"  FLOWSTATE = FlowStates[ 0 ];", ""},
        UnreadCase{"  AUTOPTRH1 = MSB( &WaveData );", ""},
        UnreadCase{"WaveData[0] = 0x01;", ""},
        UnreadCase{"int i = WaveData[3];", ""},
        UnreadCase{"const char xdata Wave[128] =", ""},
        UnreadCase{"const char xdata MyWaveData[128] =", ""},
        UnreadCase{"const char xdata WaveData[128", ""},
        UnreadCase{"const char xdata WaveData[128] ;", ""},
        UnreadCase{"const char* name = WaveData[1] =", ""},
        UnreadCase{"// const char xdata WaveData_old[128] =", ""},
        UnreadCase{"  // InitData[7] = registers", ""}, UnreadCase{"", ""}));

}  // namespace
}  // namespace wfpack
