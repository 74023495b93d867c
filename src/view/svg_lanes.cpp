// The lanes of a waveform's diagram: a trace per CTL output, high, low or
// floating a column at a time, and the data bus. In the flow state's
// interval the outputs follow FLOWEQ0CTL and FLOWEQ1CTL: one level where
// they agree, a band between the two, labelled with the flow logic, where
// they differ; and the bus moves every cycle.
#include <algorithm>

#include "view/svg_parts.h"

namespace wfpack::view::svg {

namespace {

constexpr int kHigh = 4;  // a high level's line, from the lane's top
constexpr int kLow = 20;  // a low level's
constexpr int kMiddle = 12;

bool binary(Level level) { return level == Level::High || level == Level::Low; }

// The level a CTL output shows in a column, its flow levels in the flow
// state's interval; either is set where those differ.
Level shown_level(const Waveform& waveform, std::size_t ctl, std::size_t column,
                  bool& either) {
  either = false;
  if (column < kIntervalCount && is_flow_interval(waveform, column)) {
    const FlowState& flow = waveform.flow;
    either = flow.if_0[ctl] != flow.if_1[ctl];
    return flow.if_1[ctl];
  }
  return waveform.levels[ctl][column];
}

void put_trace(Svg& svg, const Waveform& waveform, const Block& block,
               std::size_t ctl, int top) {
  svg.text(kPad, top + 16, "n", waveform.ctl_names[ctl].view());
  Level previous = Level::None;
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    bool either = false;
    const Level level = shown_level(waveform, ctl, column, either);
    const int x = block.x[column];
    const int width = width_of(block, column);
    if (binary(previous) && (either || !binary(level))) svg << "\"/>\n";
    if (either) {
      svg << "<path class=\"e\" d=\"M" << x << ' ' << top + kHigh << "h"
          << width << "V" << top + kLow << "H" << x << "z\"/>\n";
      svg.text(x + kPad, top + 15, "s", flow_either(waveform, ctl));
      previous = Level::None;
      continue;
    }
    if (level == Level::Floating) {
      svg << "<path class=\"z\" d=\"M" << x << ' ' << top + kMiddle << "h"
          << width << "\"/>\n";
    }
    if (binary(level)) {
      const int y = top + (level == Level::High ? kHigh : kLow);
      if (binary(previous)) {
        svg << "V" << y;
      } else {
        svg << "<path class=\"w\" d=\"M" << x << ' ' << y;
      }
      svg << "h" << width;
    }
    previous = level;
  }
  if (binary(previous)) svg << "\"/>\n";
}

// A value on the bus from x, width wide.
void put_value(Svg& svg, int x, int width, int top) {
  svg << "<path class=\"d\" d=\"M" << x << ' ' << top + kMiddle << "l4 -8h"
      << width - 8 << "l4 8l-4 8h" << 8 - width << "z\"/>\n";
}

}  // namespace

void put_lanes(Svg& svg, const Waveform& waveform, const Block& block,
               std::string_view role) {
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    put_trace(svg, waveform, block, ctl,
              block.lanes_top + kLane * static_cast<int>(ctl));
  }
  const int bus = block.lanes_top + kLane * static_cast<int>(kCtlCount);
  svg.text(kPad, bus + 13, "n", "DATA");
  svg.text(kPad, bus + 24, "s", role);
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const int x = block.x[i];
    const int width = width_of(block, i);
    if (is_flow_interval(waveform, i)) {
      // A new value every cycle, for as long as the flow lasts.
      const int values = std::max(2, width / kCycle);
      for (int v = 0; v < values; ++v) {
        const int from = x + width * v / values;
        put_value(svg, from, x + width * (v + 1) / values - from, bus);
      }
    } else if (waveform.intervals[i].data) {
      put_value(svg, x, width, bus);
    } else {
      svg << "<path class=\"z\" d=\"M" << x << ' ' << bus + kMiddle << "h"
          << width << "\"/>\n";
    }
  }
}

}  // namespace wfpack::view::svg
