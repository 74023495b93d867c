// A design as the design tool writes it: the names, the initialization and
// a FIFO read described above the tables, true to their bytes (the read
// strobes RD# low for three cycles, samples the bus, and loops until the
// transaction count expires), and the same design edited.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace wfpack::testing_support {

inline std::string zero_values(std::size_t count) {
  std::string values;
  for (std::size_t i = 0; i < count; ++i) values += "0x00,";
  return values;
}

// Line 10 names CTL0, line 29 begins the initialization, line 45 the rows
// of waveform 2 (AddrMode), line 57 its CTL rows.
inline const std::string kDescribedDesign =
    "// GPIF program of the sample board, as the design tool writes it.\n"
    "// DO NOT EDIT ...\n"
    "// GPIF Wave Names\n"
    "// Wave 0   = Sngl Rd\n"
    "// Wave 1   = Sngl Wr\n"
    "// Wave 2   = FIFO Rd\n"
    "// Wave 3   = FIFO Wr\n"
    "//\n"
    "// GPIF Ctrl Outputs   Level\n"
    "// CTL 0    = RD#      CMOS\n"
    "// CTL 1    = CTL 1    CMOS\n"
    "// CTL 2    = CTL 2    CMOS\n"
    "// CTL 3    = CTL 3    CMOS\n"
    "// CTL 4    = CTL 4    CMOS\n"
    "// CTL 5    = CTL 5    CMOS\n"
    "//\n"
    "// GPIF Rdy Inputs\n"
    "// RDY0     = RDY0\n"
    "// RDY1     = RDY1\n"
    "// RDY2     = RDY2\n"
    "// RDY3     = RDY3\n"
    "// RDY4     = RDY4\n"
    "// RDY5     = TCXpire\n"
    "// FIFOFlag = FIFOFlag\n"
    "// IntReady = IntReady\n"
    "// END DO NOT EDIT\n"
    "// DO NOT EDIT ...\n"
    "// GPIF Initialization\n"
    "// Interface Timing      Sync\n"
    "// Internal Ready Init   IntRdy=1\n"
    "// CTL Out Tristate-able Binary\n"
    "// SingleWrite WF Select     1\n"
    "// SingleRead WF Select      0\n"
    "// FifoWrite WF Select       3\n"
    "// FifoRead WF Select        2\n"
    "// Data Bus Idle Drive   Tristate\n"
    "// END DO NOT EDIT\n"
    "// DO NOT EDIT ...\n"
    "//\n"
    "// GPIF Waveform 2: FIFO Rd\n"
    "//\n"
    "// Interval     0         1         2         3         4         5    "
    "     6     Idle (7)\n"
    "//          _________ _________ _________ _________ _________ _________ "
    "_________ _________\n"
    "//\n"
    "// AddrMode Same Val  Same Val  Same Val  Same Val  Same Val  Same Val  "
    "Same Val\n"
    "// DataMode NO Data   NO Data   Activate  NO Data   NO Data   NO Data   "
    "NO Data\n"
    "// NextData SameData  SameData  NextData  SameData  SameData  SameData  "
    "SameData\n"
    "// Int Trig No Int    No Int    No Int    No Int    No Int    No Int    "
    "No Int\n"
    "// IF/Wait  Wait 1    Wait 2    Wait 1    IF        Wait 1    Wait 1    "
    "Wait 1\n"
    "//   Term A                               TCXpire\n"
    "//   LFunc                                AND\n"
    "//   Term B                               TCXpire\n"
    "// Branch1                                ThenIdle\n"
    "// Branch0                                Else 0\n"
    "// Re-Exec                                No\n"
    "// Sngl/CRC Default   Default   Default   Default   Default   Default   "
    "Default\n"
    "// RD#          1         0         0         1         1         1    "
    "     1         1\n"
    "// CTL1         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL2         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL3         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL4         0         0         0         0         0         0    "
    "     0         0\n"
    "// CTL5         0         0         0         0         0         0    "
    "     0         0\n"
    "//\n"
    "// END DO NOT EDIT\n"
    "\n"
    "const char xdata WaveData[128] =\n"
    "{\n"
    "/* Wave 0, 1 */ " +
    zero_values(64) + "\n" +
    "/* Wave 2 LenBr  */ 0x01,0x02,0x01,0x38,0x01,0x01,0x01,0x07,\n"
    "/* Wave 2 Opcode */ 0x00,0x00,0x06,0x01,0x00,0x00,0x00,0x00,\n"
    "/* Wave 2 Output */ 0x01,0x00,0x00,0x01,0x01,0x01,0x01,0x01,\n"
    "/* Wave 2 LFun   */ 0x00,0x00,0x00,0x2D,0x00,0x00,0x00,0x3F,\n"
    "/* Wave 3 */ " +
    zero_values(32) +
    "\n"
    "};\n"
    "const char xdata FlowStates[36] =\n"
    "{\n" +
    zero_values(36) +
    "\n"
    "};\n"
    "const char xdata InitData[7] =\n"
    "{\n"
    "/* Regs */ 0xE0,0x00,0x00,0x01,0xEE,0x4E,0x00\n"
    "};\n"
    "  IFCONFIG = 0xCE;\n";

// The text with the first "from" after "after" replaced by "to".
inline std::string edited(std::string text, const std::string& from,
                          const std::string& to,
                          const std::string& after = "") {
  const std::size_t at = text.find(from, text.find(after));
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace wfpack::testing_support
