// What is known of a waveform in time, from its decode: how many IFCLK
// cycles each interval lasts, where each goes next, which intervals a run
// from interval 0 can reach, and the shortest run from interval 0 to the
// idle state. Every view reads it; none counts cycles itself. How long a
// flow state lasts, and how many passes a loop makes, are not known: an
// interval that is the flow state counts as its own wait or decision point
// does, and the shortest run takes no loop.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "waveform/waveform.h"

namespace wfpack {

// The interface clock: 48 or 30 MHz when internal; 0 for an external
// clock, whose frequency is not known.
struct Clock {
  unsigned mhz = 0;
};
Clock interface_clock(std::uint8_t ifconfig);

struct IntervalTime {
  // A wait's N cycles (1 to 256); a decision point's one cycle for each
  // evaluation.
  unsigned cycles = 0;
  // Where it goes next: a wait to both the same interval, a decision
  // point to its Then and its Else interval; kIdleColumn for the idle
  // state.
  std::uint8_t then_to = 0;
  std::uint8_t else_to = 0;
  bool reached = false;  // by some run from interval 0
  // The fewest cycles from interval 0's start to its start, if reached.
  unsigned earliest = 0;
};

struct Timing {
  std::array<IntervalTime, kIntervalCount> intervals;
  bool reaches_idle = false;
  unsigned shortest = 0;  // the fewest cycles from interval 0 to Idle
  Clock clock;
};

Timing waveform_timing(const Waveform& waveform, Clock clock);

// "104.2": that many cycles in nanoseconds, one decimal, rounded; empty for
// an external clock.
std::string nanoseconds(unsigned cycles, Clock clock);

}  // namespace wfpack
