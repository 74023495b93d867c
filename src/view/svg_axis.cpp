// The SVG view's time axis: IFCLK cycles, a tick a cycle where they fit,
// and at each interval's left edge the cycle and time it starts at the
// earliest; a break across an interval drawn shorter than it lasts, and a
// veil over those no run reaches.
#include "view/svg_parts.h"

namespace wfpack::view::svg {

namespace {

constexpr int kBreak = 6;  // half the width of a break mark

// An interval drawn at the cap, shorter than it lasts. The flow state's
// has its length said on the axis instead: its lanes carry its texts.
bool has_break(const Waveform& waveform, const Timing& timing,
               std::size_t interval) {
  return !is_flow_interval(waveform, interval) &&
         timing.intervals[interval].cycles > static_cast<unsigned>(kCap);
}

}  // namespace

void put_axis(Svg& svg, const Waveform& waveform, const Timing& timing,
              const Block& block) {
  const int top = block.top;
  // Each number is the earliest an interval starts: a loop starts it again
  // later.
  svg.text(kPad, top + kCycleBase, "s", "cycle \xE2\x89\xA5");
  if (timing.clock.mhz != 0)
    svg.text(kPad, top + kNsBase, "s", "ns \xE2\x89\xA5");
  const int line = top + kAxisLine;
  svg << "<path class=\"k\" d=\"M" << block.x[0] << ' ' << line << "H"
      << block.x[kIdleColumn];
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const int x = block.x[i];
    const int width = width_of(block, i);
    svg << "M" << x << ' ' << line - 6 << "v6";
    const bool broken = has_break(waveform, timing, i);
    if (is_flow_interval(waveform, i)) continue;
    // A tick a cycle; none under a break mark.
    for (int cycle = 1; cycle < block.drawn[i]; ++cycle) {
      const int tick = x + width * cycle / block.drawn[i];
      const int middle = x + width / 2;
      if (broken && tick > middle - 2 * kBreak && tick < middle + 2 * kBreak) {
        continue;
      }
      svg << "M" << tick << ' ' << line - 3 << "v3";
    }
  }
  svg << "M" << block.x[kIdleColumn] << ' ' << line - 6 << "v6\"/>\n";
  for (std::size_t i = 0; i <= kIntervalCount; ++i) {
    AxisTexts texts;
    if (i < kIntervalCount) {
      texts = axis_texts(waveform, timing, i);
    } else if (timing.reaches_idle) {
      texts.start = std::to_string(timing.shortest);
      texts.ns = nanoseconds(timing.shortest, timing.clock);
    }
    const int x = block.x[i];
    svg.text(x + kPad, top + kCycleBase, "s", texts.start);
    svg.text(x + kPad, top + kNsBase, "s", texts.ns);
    svg.text(x + count_x(texts), top + kCycleBase, "c", texts.count);
  }
}

// Intervals no run reaches faint; a break across one drawn shorter than
// it lasts.
void put_overlays(Svg& svg, const Waveform& waveform, const Timing& timing,
                  const Block& block) {
  const int top = block.top + kAxisLine;
  const int height = block.arrows_top - top;
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const int x = block.x[i];
    if (!timing.intervals[i].reached) {
      svg << "<rect class=\"f\" x=\"" << x << "\" y=\"" << top << "\" width=\""
          << width_of(block, i) << "\" height=\"" << height << "\"/>\n";
    }
    if (has_break(waveform, timing, i)) {
      // A white strip between two slanted lines, across the axis and lanes.
      const int left = x + width_of(block, i) / 2 - kBreak;
      const int up = top - 8;
      svg << "<path class=\"bk\" d=\"M" << left << ' ' << block.arrows_top
          << "L" << left + kBreak << ' ' << up << "h" << kBreak << "L"
          << left + kBreak << ' ' << block.arrows_top
          << "z\"/>\n<path class=\"k\" d=\"M" << left << ' ' << block.arrows_top
          << "L" << left + kBreak << ' ' << up << "M" << left + kBreak << ' '
          << block.arrows_top << "L" << left + 2 * kBreak << ' ' << up
          << "\"/>\n";
    }
  }
}

}  // namespace wfpack::view::svg
