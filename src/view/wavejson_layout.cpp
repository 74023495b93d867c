#include "view/wavejson_layout.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace wfpack::view::wavejson {

int steps_for(std::string_view text) {
  return (static_cast<int>(text.size()) * kCharWidth + kStep - 1) / kStep + 1;
}

std::string column_label(const Waveform& waveform, std::size_t column) {
  if (column == kIdleColumn) return "Idle";
  std::string label = std::to_string(column) + ": " +
                      std::string(cell(waveform, Row::IfWait, column).view());
  if (is_flow_interval(waveform, column)) {
    label += " (flow state, length not known)";
  }
  return label;
}

Steps steps_of(const Waveform& waveform, const Timing& timing) {
  Steps steps;
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    int count = 1;  // Idle
    if (i < kIntervalCount) {
      const IntervalTime& time = timing.intervals[i];
      count = time.reached ? std::min(static_cast<int>(time.cycles), kCap) : 0;
      // How long the flow state lasts is not known: it has steps enough for
      // its label and those of the outputs it sets apart.
      if (count != 0 && is_flow_interval(waveform, i)) {
        count = std::max(count, steps_for(column_label(waveform, i)));
        for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
          count = std::max(count, steps_for(flow_either(waveform, ctl)));
        }
      }
    }
    steps.first[i] = steps.total;
    steps.count[i] = count;
    steps.total += count;
  }
  return steps;
}

std::array<int, kIntervalCount> logic_steps(const Waveform& waveform,
                                            const Timing& timing,
                                            const Steps& steps, int& right) {
  std::array<int, kIntervalCount> at;
  at.fill(-1);
  right = 0;
  // Where edges rise: the steps branches go to, from the last lane up.
  std::array<bool, kColumnCount> rises{};
  for (std::size_t i = kIntervalCount; i-- > 0;) {
    const IntervalTime& time = timing.intervals[i];
    if (!waveform.intervals[i].decision || !time.reached) continue;
    const int fit =
        steps_for(logic_text(waveform, waveform.intervals[i].logic));
    const auto clear = [&](int centre) {
      for (std::size_t to = 0; to < kColumnCount; ++to) {
        const int distance = std::abs(steps.first[to] - centre);
        if (rises[to] && 2 * distance < fit + 1) return false;
      }
      return true;
    };
    int centre = steps.first[i] + (fit + 1) / 2;
    while (!clear(centre)) ++centre;
    at[i] = centre;
    right = std::max(right, centre + (fit + 1) / 2 + 1);
    // The lane's own edges rise from its middle, behind its label.
    rises[time.then_to] = rises[time.else_to] = true;
  }
  return at;
}

bool has_gap(const Waveform& waveform, const Timing& timing,
             std::size_t column) {
  return column < kIntervalCount && !is_flow_interval(waveform, column) &&
         timing.intervals[column].cycles > static_cast<unsigned>(kCap);
}

std::string NodeNames::take() {
  // Capital letters whose lower case differs: Latin, Greek, Cyrillic,
  // Armenian, Georgian, circled, Glagolitic and full-width.
  constexpr std::pair<char32_t, char32_t> kRanges[] = {
      {0x41, 0x5A},     {0xC0, 0xD6},     {0xD8, 0xDE},    {0x391, 0x3A1},
      {0x3A3, 0x3A9},   {0x400, 0x42F},   {0x531, 0x556},  {0x10A0, 0x10C5},
      {0x24B6, 0x24CF}, {0x2C00, 0x2C2E}, {0xFF21, 0xFF3A}};
  std::size_t n = next_++;
  for (const auto& [first, last] : kRanges) {
    const std::size_t size = last - first + 1;
    if (n >= size) {
      n -= size;
      continue;
    }
    const auto c = static_cast<char32_t>(first + n);
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) return {byte(c)};
    if (c < 0x800) return {byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F))};
    return {byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)),
            byte(0x80 | (c & 0x3F))};
  }
  return {};
}

void Nodes::put(int step, const std::string& name) {
  if (name.empty() || step < 0) return;
  // Names before it may take two or three bytes each.
  std::size_t at = 0;
  for (int s = 0; s < step && at < text_.size(); ++s) {
    const auto lead = static_cast<unsigned char>(text_[at]);
    at += lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  }
  if (at >= text_.size()) return;
  text_.replace(at, 1, name);
  named_ = true;
}

}  // namespace wfpack::view::wavejson
