// The text view, literal lines for literal sources: each case's lines must
// stand together, in order, in what --show prints.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/chunk_feed.h"
#include "support/source_text.h"
#include "view/view.h"

namespace wfpack {
namespace {

using testing_support::example_source;
using testing_support::kTristateTables;

std::string shown(const std::string& source) {
  return testing_support::shown(source, ViewFormat::Text);
}

// Every transfer served by waveform 0.
const std::string kAllOnWaveformZero = [] {
  std::string text = kTristateTables;
  return text.replace(text.find("0xE4"), 4, "0x00");
}();

struct ViewCase {
  const char* name;
  std::string source;
  std::string lines;
};

TEST(TextView, PrintsTheDesignToolsTables) {
  for (const ViewCase& c : std::initializer_list<ViewCase>{
           {"example's registers", example_source(),
            "IFCONFIG     0xce  IFCLKSRC=1 internal clock, 3048MHZ=1 48 MHz, "
            "IFCLKOE=0, IFCLKPOL=0, ASYNC=1 asynchronous, GSTATE=1 GPIF state "
            "on port pins, IFCFG=10 GPIF master\n"
            "InitData[0]  0xa0  GPIFREADYCFG: INTRDY=1 internal ready set, "
            "SAS=0, TCXRDY5=1 term 5 is the transaction count's expiry; "
            "Internal Ready Init IntRdy=1, Interface Timing Async\n"
            "InitData[1]  0x00  GPIFCTLCFG: TRICTL=0; CTL Out Tristate-able "
            "Binary, RD# CMOS, WR# CMOS, CS# CMOS, CTL 3 CMOS, CTL 4 CMOS, "
            "CTL 5 CMOS\n"
            "InitData[2]  0x00  GPIFIDLECS\n"
            "InitData[3]  0x07  GPIFIDLECTL: RD# 1, WR# 1, CS# 1, CTL 3 0, "
            "CTL 4 0, CTL 5 0\n"
            "InitData[4]  0xee  not loaded by the setup code\n"
            "InitData[5]  0x4e  GPIFWFSELECT: SingleWrite WF Select 1, "
            "SingleRead WF Select 0, FifoWrite WF Select 3, FifoRead WF "
            "Select 2\n"
            "InitData[6]  0x00  GPIFREADYSTAT\n\n"},
           {"example's FIFO read", example_source(),
            "\nBank 0, waveform 2: FIFO Rd (FIFO read)\n"
            "Interval     0         1         2         3         4         5"
            "         6     Idle (7)\n"
            "         _________ _________ _________ _________ _________ "
            "_________ _________ _________\n\n"
            "AddrMode Same Val  Same Val  Same Val  Same Val  Same Val  Same "
            "Val  Same Val\n"
            "DataMode NO Data   NO Data   Activate  NO Data   NO Data   NO "
            "Data   NO Data\n"
            "NextData SameData  SameData  NextData  SameData  SameData  "
            "SameData  SameData\n"
            "Int Trig No Int    No Int    No Int    No Int    No Int    No Int"
            "    No Int\n"
            "IF/Wait  Wait 1    Wait 2    Wait 1    IF        Wait 1    Wait 1"
            "    Wait 1\n"
            "  Term A                               TCXpire\n"
            "  LFunc                                AND\n"
            "  Term B                               TCXpire\n"
            "Branch1                                ThenIdle\n"
            "Branch0                                Else 0\n"
            "Re-Exec                                No\n"
            "Sngl/CRC Default   Default   Default   Default   Default   "
            "Default   Default\n"
            "RD#          1         0         0         1         1         1"
            "         1         1\n"
            "WR#          1         1         1         1         1         1"
            "         1         1\n"
            "CS#          0         0         0         0         1         1"
            "         1         1\n"
            "CTL 3        0         0         0         0         0         0"
            "         0         0\n"
            "CTL 4        0         0         0         0         0         0"
            "         0         0\n"
            "CTL 5        0         0         0         0         0         0"
            "         0         0\n"
            "Time: at least 5 cycles from interval 0 to Idle, 104.2 ns at 48 "
            "MHz; not reached: 4 5 6\n\n"},
           {"flow state", example_source(),
            "\nFlow state: interval 1, TCXpire AND TCXpire; if 0: RD# 0, WR# "
            "1, CS# 0, CTL 3 0, CTL 4 0, CTL 5 0; if 1: RD# 1, WR# 1, CS# 0, "
            "CTL 3 0, CTL 4 0, CTL 5 0; FLOWHOLDOFF 0x00, FLOWSTB 0x00, "
            "FLOWSTBEDGE 0x01, FLOWSTBHPERIOD 0x02\n"
            "Time: at least 2 cycles from interval 0 to Idle, 41.7 ns at 48 "
            "MHz; not reached: 2 3 4 5 6\n\n"},
           {"Tristate mode, no names", kTristateTables,
            "InitData[1]  0x80  GPIFCTLCFG: TRICTL=1 CTL0 to CTL3 "
            "tristate-able; CTL Out Tristate-able Tristate\n"
            "InitData[2]  0x00  GPIFIDLECS\n"
            "InitData[3]  0x13  GPIFIDLECTL: CTL0 1, CTL1 z, CTL2 z, CTL3 z\n"},
           {"Tristate mode, no names", kTristateTables,
            "\nBank 0, waveform 0 (FIFO read)\n"},
           {"Tristate mode, no names", kTristateTables,
            "IF/Wait  IF        Wait 5    Wait 1    Wait 1    Wait 1    Wait 1"
            "    Wait 1\n"
            "  Term A RDY0\n"
            "  LFunc  !A AND B\n"
            "  Term B IntReady\n"
            "Branch1  Then 5\n"
            "Branch0  ElseIdle\n"
            "Re-Exec  Yes\n"
            "Sngl/CRC Default   SGL       Default   Default   Default   "
            "Default   Default\n"
            "CTL0         1         z         z         z         z         z"
            "         z         1\n"
            "CTL1         z         1         1         z         z         z"
            "         z         z\n"
            "CTL2         z         z         z         z         z         z"
            "         z         z\n"
            "CTL3         z         z         z         z         z         z"
            "         z         z\n"
            "CTL4\n"
            "CTL5\n"
            "Time: at least 1 cycle from interval 0 to Idle; not reached: 1 2 "
            "3 4\n\n"},
           {"a role", kTristateTables, "\nBank 0, waveform 3 (single write)\n"},
           {"every role", kAllOnWaveformZero,
            "\nBank 0, waveform 0 (single read, single write, FIFO read, "
            "FIFO write)\nInterval"},
           {"no role", kAllOnWaveformZero, "\nBank 0, waveform 1 (none)\n"}}) {
    EXPECT_NE(shown(c.source).find(c.lines), std::string::npos)
        << c.name << ", expected:\n"
        << c.lines << "in:\n"
        << shown(c.source);
  }
}

}  // namespace
}  // namespace wfpack
