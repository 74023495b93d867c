// The timing model, one waveform a line: its LenBr bytes, which intervals
// are decision points, the clock, and what it gives: each interval's
// earliest start ("-" where no run reaches it) and the text view's line.
#include "waveform/timing.h"

#include <gtest/gtest.h>

#include <string>

#include "view/shown.h"

namespace wfpack {
namespace {

struct TimeCase {
  const char* name;
  std::uint8_t ifconfig;
  std::array<std::uint8_t, kIntervalCount> lenbr;
  std::uint8_t decisions;  // bit i: interval i is a decision point
  const char* starts;
  const char* line;
};

constexpr std::uint8_t k48Mhz = 0xC0;
constexpr std::uint8_t k30Mhz = 0x80;
constexpr std::uint8_t kExternal = 0x00;

TEST(Timing, CountsCyclesAndFollowsBranches) {
  for (const TimeCase& c : std::initializer_list<TimeCase>{
           {"waits of 1, 8 and 256",
            k48Mhz,
            {1, 8, 0, 1, 1, 1, 1},
            0,
            "0 1 9 265 266 267 268",
            "Time: at least 269 cycles from interval 0 to Idle, 5604.2 ns at "
            "48 MHz"},
           {"30 MHz",
            k30Mhz,
            {1, 1, 1, 1, 1, 1, 1},
            0,
            "0 1 2 3 4 5 6",
            "Time: at least 7 cycles from interval 0 to Idle, 233.3 ns at 30 "
            "MHz"},
           {"external clock",
            kExternal,
            {1, 1, 1, 1, 1, 1, 1},
            0,
            "0 1 2 3 4 5 6",
            "Time: at least 7 cycles from interval 0 to Idle"},
           {"loop on itself",
            k48Mhz,
            {0x07, 1, 1, 1, 1, 1, 1},
            0x01,
            "0 - - - - - -",
            "Time: at least 1 cycle from interval 0 to Idle, 20.8 ns at 48 "
            "MHz; not reached: 1 2 3 4 5 6"},
           {"loop on itself, Re-Exec",
            k48Mhz,
            {0x87, 1, 1, 1, 1, 1, 1},
            0x01,
            "0 - - - - - -",
            "Time: at least 1 cycle from interval 0 to Idle, 20.8 ns at 48 "
            "MHz; not reached: 1 2 3 4 5 6"},
           {"branch back",
            k48Mhz,
            {1, 2, 0x38, 1, 1, 1, 1},
            0x04,
            "0 1 3 - - - -",
            "Time: at least 4 cycles from interval 0 to Idle, 83.3 ns at 48 "
            "MHz; not reached: 3 4 5 6"},
           {"both branches to Idle",
            k48Mhz,
            {4, 0x3F, 1, 1, 1, 1, 1},
            0x02,
            "0 4 - - - - -",
            "Time: at least 5 cycles from interval 0 to Idle, 104.2 ns at 48 "
            "MHz; not reached: 2 3 4 5 6"},
           {"no path to Idle",
            k48Mhz,
            {0x09, 0x00, 1, 1, 1, 1, 1},
            0x03,
            "0 1 - - - - -",
            "Time: no path from interval 0 reaches Idle; not reached: 2 3 4 "
            "5 6"},
           {"skips one",
            kExternal,
            {0x13, 1, 1, 1, 1, 1, 1},
            0x01,
            "0 - 1 1 2 3 4",
            "Time: at least 5 cycles from interval 0 to Idle; not reached: "
            "1"}}) {
    GpifImage image;
    image.IfConfig = c.ifconfig;
    for (std::size_t i = 0; i < kIntervalCount; ++i) {
      image.WaveData[i] = c.lenbr[i];
      image.WaveData[kColumnCount + i] = (c.decisions >> i) & 1;
    }
    const Timing timing =
        waveform_timing(decode_waveform(image, 0, 0, DesignNames{}),
                        interface_clock(image.IfConfig));
    std::string starts;
    for (const IntervalTime& time : timing.intervals) {
      if (!starts.empty()) starts += ' ';
      starts += time.reached ? std::to_string(time.earliest) : "-";
    }
    EXPECT_EQ(starts, c.starts) << c.name;
    EXPECT_EQ(view::time_line(timing), c.line) << c.name;
  }
}

}  // namespace
}  // namespace wfpack
