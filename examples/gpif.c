// Interface waveforms of the sample acquisition board, as the GPIF design
// tool writes them: a single read and write, and a FIFO read and write that
// loop until the transaction count expires. RD#, WR# and CS# are active
// low. Bank 2 was added by hand.
//
// This program configures the General Programmable Interface (GPIF).
// DO NOT EDIT ...
//
// GPIF Wave Names
// Wave 0   = Sngl Rd
// Wave 1   = Sngl Wr
// Wave 2   = FIFO Rd
// Wave 3   = FIFO Wr
//
// GPIF Ctrl Outputs   Level
// CTL 0    = RD#      CMOS
// CTL 1    = WR#      CMOS
// CTL 2    = CS#      CMOS
// CTL 3    = CTL 3    CMOS
// CTL 4    = CTL 4    CMOS
// CTL 5    = CTL 5    CMOS
//
// GPIF Rdy Inputs
// RDY0     = RDY0
// RDY1     = RDY1
// RDY2     = RDY2
// RDY3     = RDY3
// RDY4     = RDY4
// RDY5     = TCXpire
// FIFOFlag = FIFOFlag
// IntReady = IntReady
//
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
// GPIF Waveform 0: Sngl Rd
//
// Interval     0         1         2         3         4         5         6     Idle (7)
//          _________ _________ _________ _________ _________ _________ _________ _________
//
// AddrMode Same Val  Same Val  Same Val  Same Val  Same Val  Same Val  Same Val
// DataMode NO Data   NO Data   Activate  NO Data   NO Data   NO Data   NO Data
// NextData SameData  SameData  SameData  SameData  SameData  SameData  SameData
// Int Trig No Int    No Int    No Int    No Int    No Int    No Int    No Int
// IF/Wait  Wait 1    Wait 2    Wait 1    Wait 1    Wait 1    Wait 1    Wait 1
//   Term A
//   LFunc
//   Term B
// Branch1
// Branch0
// Re-Exec
// Sngl/CRC Default   Default   Default   Default   Default   Default   Default
// RD#          1         0         0         1         1         1         1         1
// WR#          1         1         1         1         1         1         1         1
// CS#          0         0         0         1         1         1         1         1
// CTL 3        0         0         0         0         0         0         0         0
// CTL 4        0         0         0         0         0         0         0         0
// CTL 5        0         0         0         0         0         0         0         0
//
// END DO NOT EDIT
// DO NOT EDIT ...
//
// GPIF Waveform 1: Sngl Wr
//
// Interval     0         1         2         3         4         5         6     Idle (7)
//          _________ _________ _________ _________ _________ _________ _________ _________
//
// AddrMode Same Val  Same Val  Same Val  Same Val  Same Val  Same Val  Same Val
// DataMode Activate  Activate  Activate  NO Data   NO Data   NO Data   NO Data
// NextData SameData  SameData  SameData  SameData  SameData  SameData  SameData
// Int Trig No Int    No Int    No Int    No Int    No Int    No Int    No Int
// IF/Wait  Wait 1    Wait 2    Wait 1    Wait 1    Wait 1    Wait 1    Wait 1
//   Term A
//   LFunc
//   Term B
// Branch1
// Branch0
// Re-Exec
// Sngl/CRC Default   Default   Default   Default   Default   Default   Default
// RD#          1         1         1         1         1         1         1         1
// WR#          1         0         1         1         1         1         1         1
// CS#          0         0         0         1         1         1         1         1
// CTL 3        0         0         0         0         0         0         0         0
// CTL 4        0         0         0         0         0         0         0         0
// CTL 5        0         0         0         0         0         0         0         0
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
// IF/Wait  Wait 1    Wait 2    Wait 1    IF        Wait 1    Wait 1    Wait 1
//   Term A                               TCXpire
//   LFunc                                AND
//   Term B                               TCXpire
// Branch1                                ThenIdle
// Branch0                                Else 0
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
// DO NOT EDIT ...
//
// GPIF Waveform 3: FIFO Wr
//
// Interval     0         1         2         3         4         5         6     Idle (7)
//          _________ _________ _________ _________ _________ _________ _________ _________
//
// AddrMode Same Val  Same Val  Same Val  Same Val  Same Val  Same Val  Same Val
// DataMode Activate  Activate  Activate  NO Data   NO Data   NO Data   NO Data
// NextData SameData  SameData  NextData  SameData  SameData  SameData  SameData
// Int Trig No Int    No Int    No Int    No Int    No Int    No Int    No Int
// IF/Wait  Wait 1    Wait 2    Wait 1    IF        Wait 1    Wait 1    Wait 1
//   Term A                               TCXpire
//   LFunc                                AND
//   Term B                               TCXpire
// Branch1                                ThenIdle
// Branch0                                Else 0
// Re-Exec                                No
// Sngl/CRC Default   Default   Default   Default   Default   Default   Default
// RD#          1         1         1         1         1         1         1         1
// WR#          1         0         1         1         1         1         1         1
// CS#          0         0         0         0         1         1         1         1
// CTL 3        0         0         0         0         0         0         0         0
// CTL 4        0         0         0         0         0         0         0         0
// CTL 5        0         0         0         0         0         0         0         0
//
// END DO NOT EDIT

#include "fx2.h"
#include "fx2regs.h"
#include "fx2sdly.h"     // SYNCDELAY macro

const char xdata WaveData[128] =
{
// Wave 0
/* LenBr */ 0x01,     0x02,     0x01,     0x01,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x00,     0x00,     0x02,     0x00,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x02,     0x02,     0x07,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x3F,
// Wave 1
/* LenBr */ 0x01,     0x02,     0x01,     0x01,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x02,     0x02,     0x02,     0x00,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x01,     0x03,     0x07,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x3F,
// Wave 2
/* LenBr */ 0x01,     0x02,     0x01,     0x38,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x00,     0x00,     0x06,     0x01,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x02,     0x02,     0x03,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x00,     0x00,     0x2D,     0x00,     0x00,     0x00,     0x3F,
// Wave 3
/* LenBr */ 0x01,     0x02,     0x01,     0x38,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x02,     0x02,     0x06,     0x01,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x01,     0x03,     0x03,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x00,     0x00,     0x2D,     0x00,     0x00,     0x00,     0x3F,
};

const char xdata FlowStates[36] =
{
/* Wave 0 FlowStates */ 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
/* Wave 1 FlowStates */ 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
/* Wave 2 FlowStates */ 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
/* Wave 3 FlowStates */ 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
};

const char xdata InitData[7] =
{
/* Regs  */ 0xA0,0x00,0x00,0x07,0xEE,0x4E,0x00
};

// Bank 2, written by hand: the FIFO transfers in bursts. The read holds
// RD# in its flow state, interval 1, which strobes it while the count runs.
const char xdata WaveData2[128] =
{
// Wave 0
/* LenBr */ 0x01,     0x02,     0x01,     0x01,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x00,     0x00,     0x02,     0x00,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x02,     0x02,     0x07,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x3F,
// Wave 1
/* LenBr */ 0x01,     0x02,     0x01,     0x01,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x02,     0x02,     0x02,     0x00,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x01,     0x03,     0x07,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x00,     0x3F,
// Wave 2
/* LenBr */ 0x01,     0x39,     0x01,     0x01,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x00,     0x07,     0x00,     0x00,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x03,     0x07,     0x07,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x2D,     0x00,     0x00,     0x00,     0x00,     0x00,     0x3F,
// Wave 3
/* LenBr */ 0x01,     0x39,     0x01,     0x01,     0x01,     0x01,     0x01,     0x07,
/* Opcode*/ 0x02,     0x07,     0x00,     0x00,     0x00,     0x00,     0x00,     0x00,
/* Output*/ 0x03,     0x01,     0x07,     0x07,     0x07,     0x07,     0x07,     0x07,
/* LFun  */ 0x00,     0x2D,     0x00,     0x00,     0x00,     0x00,     0x00,     0x3F,
};

const char xdata FlowStates2[36] =
{
/* Wave 0 FlowStates */ 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
/* Wave 1 FlowStates */ 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
/* Wave 2 FlowStates */ 0x81,0x2D,0x02,0x03,0x00,0x00,0x01,0x02,0x00,
/* Wave 3 FlowStates */ 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00,
};

void GpifInit( void )
{
  BYTE i;

  // The 8051 reaches the waveform memories only in GPIF mode.
  IFCONFIG = 0xCE;
  // IFCLKSRC=1   , the interface runs on the internal clock
  // 3048MHZ=1    , at 48 MHz
  // IFCLKOE=0    , not driven out on the IFCLK pin
  // IFCLKPOL=0   , not inverted
  // ASYNC=1      , the GPIF samples asynchronously
  // GSTATE=1     , its state shows on PORTE[2:0] for debugging
  // IFCFG[1:0]=10, GPIF master mode

  GPIFABORT = 0xFF;  // abort any waveform pending

  GPIFREADYCFG = InitData[ 0 ];
  GPIFCTLCFG = InitData[ 1 ];
  GPIFIDLECS = InitData[ 2 ];
  GPIFIDLECTL = InitData[ 3 ];
  GPIFWFSELECT = InitData[ 5 ];
  GPIFREADYSTAT = InitData[ 6 ];

  // Copy bank 0 into the waveform memories with the autopointers.
  AUTOPTRSETUP = 0x07;
  APTR1H = MSB( &WaveData );
  APTR1L = LSB( &WaveData );
  AUTOPTRH2 = 0xE4;
  AUTOPTRL2 = 0x00;
  for ( i = 0x00; i < 128; i++ )
  {
    EXTAUTODAT2 = EXTAUTODAT1;
  }

  // GPIFADR[8:0] as outputs, starting at address 0.
  PORTCCFG = 0xFF;
  OEC = 0xFF;
  PORTECFG |= 0x80;
  OEE |= 0x80;
  SYNCDELAY;
  GPIFADRH = 0x00;
  SYNCDELAY;
  GPIFADRL = 0x00;

  // The flow state registers for waveform 0 of bank 0.
  FLOWSTATE = FlowStates[ 0 ];
  FLOWLOGIC = FlowStates[ 1 ];
  FLOWEQ0CTL = FlowStates[ 2 ];
  FLOWEQ1CTL = FlowStates[ 3 ];
  FLOWHOLDOFF = FlowStates[ 4 ];
  FLOWSTB = FlowStates[ 5 ];
  FLOWSTBEDGE = FlowStates[ 6 ];
  FLOWSTBHPERIOD = FlowStates[ 7 ];
}
