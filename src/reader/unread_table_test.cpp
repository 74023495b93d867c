#include "reader/unread_table.h"

#include <gtest/gtest.h>

#include <string>

namespace wfpack {
namespace {

struct UnreadCase {
  std::string line;
  std::string name;    // empty: no unread table on the line
  std::string reason;  // the start of the reason
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
  EXPECT_TRUE(found.reason.starts_with(c.reason)) << found.reason;
  // The name is a view into the line itself.
  EXPECT_GE(found.name.data(), c.line.data());
  EXPECT_LE(found.name.data() + found.name.size(),
            c.line.data() + c.line.size());
}

const std::string kNoBank = "only WaveData and WaveData0 to WaveData7";
const std::string kNoFlowBank = "only FlowStates and FlowStates0";
const std::string kSpelling = "a table header is 'const char'";

INSTANTIATE_TEST_SUITE_P(
    Declarations, UnreadTableLine,
    testing::Values(
        // Headers whose selector names no bank.
        UnreadCase{"const char xdata WaveData_multiChannel[128] =",
                   "WaveData_multiChannel", kNoBank},
        UnreadCase{"const char WaveData8[128] =", "WaveData8", kNoBank},
        UnreadCase{"const char xdata WaveData [128] =", "WaveData", kNoBank},
        UnreadCase{"const char __xdata WaveData", "WaveData", kNoBank},
        UnreadCase{"const char FlowStates9[36] =", "FlowStates9", kNoFlowBank},
        UnreadCase{"const char\txdata\tFlowStates_a[36] =", "FlowStates_a",
                   kNoFlowBank},
        // Declarations the reader does not take for a header.
        UnreadCase{"const char xdata InitData_x[7] =", "InitData_x",
                   "only 'InitData[7] =' is read"},
        UnreadCase{"const char InitData[7]=", "InitData", "only 'InitData"},
        UnreadCase{"const char InitData [7] =", "InitData", "only 'InitData"},
        UnreadCase{"  const char xdata WaveData[128] =", "WaveData",
                   "a table header must begin its line"},
        UnreadCase{"\tconst char InitData[7] =", "InitData",
                   "a table header must begin its line"},
        UnreadCase{"__xdata const char WaveData[128] =", "WaveData",
                   "a table header begins with 'const char'"},
        UnreadCase{"static const char xdata FlowStates[36] =", "FlowStates",
                   "a table header begins with 'const char'"},
        UnreadCase{"unsigned char WaveData[] = {", "WaveData",
                   "a table header begins with 'const char'"},
        UnreadCase{"const unsigned char WaveData[128] =", "WaveData",
                   kSpelling},
        UnreadCase{"const char code WaveData2[128] =", "WaveData2", kSpelling},
        UnreadCase{"const  char  xdata  volatile  WaveData[128]  =", "WaveData",
                   kSpelling},
        // Lines that declare no table, or none with its values.
        UnreadCase{"const char xdata WaveData[128] =", "", ""},
        UnreadCase{"const char xdata WaveData3[128] =", "", ""},
        UnreadCase{"const char InitData[7] =", "", ""},
        UnreadCase{"const char xdata FlowStates7[36] =", "", ""},
        UnreadCase{"  IFCONFIG = 0xCE;", "", ""},
        UnreadCase{"extern const char xdata WaveData[128];", "", ""},
        UnreadCase{"BYTE xdata WaveData_copy[128];", "", ""},
        UnreadCase{"  FLOWSTATE = FlowStates[ 0 ];", "", ""},
        UnreadCase{"  AUTOPTRH1 = MSB( &WaveData );", "", ""},
        UnreadCase{"WaveData[0] = 0x01;", "", ""},
        UnreadCase{"int i = WaveData[3];", "", ""},
        UnreadCase{"const char xdata Wave[128] =", "", ""},
        UnreadCase{"const char xdata MyWaveData[128] =", "", ""},
        UnreadCase{"const char xdata WaveData[128", "", ""},
        UnreadCase{"const char xdata WaveData[128] ;", "", ""},
        UnreadCase{"const char* name = WaveData[1] =", "", ""},
        UnreadCase{"// const char xdata WaveData_old[128] =", "", ""},
        UnreadCase{"  // InitData[7] = registers", "", ""},
        UnreadCase{"", "", ""}));

}  // namespace
}  // namespace wfpack
