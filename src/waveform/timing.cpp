#include "waveform/timing.h"

#include <charconv>
#include <limits>

namespace wfpack {

namespace {

// IFCONFIG's first two fields in the field table.
constexpr const RegisterField& kClockSource = kIfconfigFields[0];
constexpr const RegisterField& kClock48Mhz = kIfconfigFields[1];
static_assert(kClockSource.low == kIfclkSrcBit);
static_assert(kClock48Mhz.low == kIfclk48MhzBit);

constexpr unsigned kNever = std::numeric_limits<unsigned>::max();

}  // namespace

Clock interface_clock(std::uint8_t ifconfig) {
  if (register_value(kClockSource, ifconfig) == 0) return {};
  return {register_value(kClock48Mhz, ifconfig) != 0 ? 48u : 30u};
}

Timing waveform_timing(const Waveform& waveform, Clock clock) {
  Timing timing;
  timing.clock = clock;
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const Interval& interval = waveform.intervals[i];
    IntervalTime& time = timing.intervals[i];
    if (interval.decision) {
      time.cycles = 1;
      time.then_to = interval.then_to;
      time.else_to = interval.else_to;
    } else {
      // Interval 6 ends the waveform: the one after it is the idle state.
      time.cycles = interval.length;
      time.then_to = time.else_to = static_cast<std::uint8_t>(i + 1);
    }
  }
  // The fewest cycles to each interval's start, nearest first (Dijkstra's
  // search over seven intervals, every cost positive).
  std::array<unsigned, kIntervalCount> start;
  start.fill(kNever);
  start[0] = 0;
  std::array<bool, kIntervalCount> done{};
  unsigned idle = kNever;
  for (;;) {
    std::size_t at = kIntervalCount;
    for (std::size_t i = 0; i < kIntervalCount; ++i) {
      if (!done[i] && start[i] != kNever &&
          (at == kIntervalCount || start[i] < start[at])) {
        at = i;
      }
    }
    if (at == kIntervalCount) break;
    done[at] = true;
    const IntervalTime& time = timing.intervals[at];
    const unsigned end = start[at] + time.cycles;
    for (const std::uint8_t to : {time.then_to, time.else_to}) {
      unsigned& arrival = to == kIdleColumn ? idle : start[to];
      if (end < arrival) arrival = end;
    }
  }
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    timing.intervals[i].reached = start[i] != kNever;
    timing.intervals[i].earliest = timing.intervals[i].reached ? start[i] : 0;
  }
  timing.reaches_idle = idle != kNever;
  timing.shortest = timing.reaches_idle ? idle : 0;
  return timing;
}

std::string nanoseconds(unsigned cycles, Clock clock) {
  if (clock.mhz == 0) return {};
  // Tenths of a nanosecond, rounded half up, in whole numbers so that no
  // floating-point format or locale takes part.
  const unsigned long long tenths =
      (20000ull * cycles + clock.mhz) / (2ull * clock.mhz);
  char digits[24];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, tenths / 10).ptr;
  std::string text(digits, end);
  text += '.';
  text += static_cast<char>('0' + tenths % 10);
  return text;
}

}  // namespace wfpack
