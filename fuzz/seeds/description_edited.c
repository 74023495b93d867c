// Cells and bytes that differ both ways, InitData's literals after
// WaveData's.
// DO NOT EDIT ...
// GPIF Wave Names
// Wave 2   = FIFO Rd
// GPIF Ctrl Outputs   Level
// CTL 0    = RD#      CMOS
// CTL 1    = WR#      CMOS
// END DO NOT EDIT
// DO NOT EDIT ...
//
// GPIF Initialization
// Interface Timing      Async
// Internal Ready Init   IntRdy=1
// CTL Out Tristate-able Binary
// SingleWrite WF Select     1
// SingleRead WF Select      0
// FifoWrite WF Select       3
// FifoRead WF Select        2
// Data Bus Idle Drive   Tristate
//
// END DO NOT EDIT
// DO NOT EDIT ...
//
// GPIF Waveform 2: FIFO Rd
//
// Interval     0         1         2         3         4         5         6     Idle (7)
//          _________ _________ _________ _________ _________ _________ _________ _________
//
// AddrMode Same Val  Same Val  Same Val  Same Val  Same Val  Same Val  Same Val
// DataMode NO Data   NO Data   Activate  NO Data   NO Data   NO Data   NO Data
// NextData SameData  SameData  NextData  SameData  SameData  SameData  SameData
// Int Trig No Int    No Int    No Int    No Int    No Int    No Int    No Int
// IF/Wait  Wait 1    Wait 3    Wait 1    IF        Wait 1    Wait 1    Wait 1
//   Term A                               TCXpire
//   LFunc                                AND
//   Term B                               TCXpire
// Branch1                                ThenIdle
// Branch0                                Else 2
// Re-Exec                                No
// Sngl/CRC Default   Default   Default   Default   Default   Default   Default
// RD#          1         0         0         1         1         1         1         1
// WR#          1         1         1         1         1         1         1         1
// CS#          0         0         0         0         1         1         1         1
// CTL 3        0         0         0         0         0         0         0         0
// CTL 4        0         0         0         0         0         0         0         0
// CTL 5        0         0         0         0         0         0         0         0
//
// END DO NOT EDIT
const char xdata WaveData[128] =
{
0x01, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x07, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
0x03, 0x02, 0x02, 0x07, 0x07, 0x07, 0x07, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3F,
0x01, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x07, 0x02, 0x02, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
0x03, 0x01, 0x03, 0x07, 0x07, 0x07, 0x07, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3F,
0x01, 0x02, 0x01, 0x38, 0x01, 0x01, 0x01, 0x07, 0x00, 0x00, 0x06, 0x01, 0x00, 0x00, 0x00, 0x00,
0x03, 0x02, 0x02, 0x03, 0x07, 0x07, 0x07, 0x07, 0x00, 0x00, 0x00, 0x2D, 0x00, 0x00, 0x00, 0x3F,
0x01, 0x02, 0x01, 0x38, 0x01, 0x01, 0x01, 0x07, 0x02, 0x02, 0x06, 0x01, 0x00, 0x00, 0x00, 0x00,
0x03, 0x01, 0x03, 0x03, 0x07, 0x07, 0x07, 0x07, 0x00, 0x00, 0x00, 0x2D, 0x00, 0x00, 0x00, 0x3F,
};
const char xdata InitData[7] =
{
0xa0,0x02,0x00,0x06,0xEE,0x4E,0x00
};
