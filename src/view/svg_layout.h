// The SVG view's geometry: where each interval of a waveform's diagram
// stands and how wide it is, so that the parts that draw it (the axis and
// labels, the lanes, the arrows) agree, and no two texts overlap. The
// horizontal axis is IFCLK cycles: an interval is as wide as its cycles,
// but never narrower than its own texts need, and a long one is drawn at
// a cap with a break. Texts are monospace, so that their widths are known
// before they are drawn.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "view/shown.h"

namespace wfpack::view::svg {

inline constexpr int kLeft = 76;   // the lanes' names
inline constexpr int kCycle = 48;  // one IFCLK cycle, where texts allow
inline constexpr int kCap = 16;    // cycles drawn at most for one interval
inline constexpr int kIdle = 48;   // the idle column
inline constexpr int kLane = 28;   // a trace's height
inline constexpr int kLanes = static_cast<int>(kCtlCount) + 1;  // and DATA
inline constexpr int kRow = 12;  // a stacked logic text's row
inline constexpr int kArrowRow = 14;
inline constexpr int kNoteRow = 11;
inline constexpr int kPad = 4;     // between a column's edge and its texts
inline constexpr int kMargin = 8;  // right of the widest thing drawn

// Font sizes, in pixels: the title, the lanes' names, the interval labels,
// and the small texts (axis, logic, notes, arrows).
inline constexpr int kTitleSize = 13;
inline constexpr int kNameSize = 11;
inline constexpr int kLabelSize = 10;
inline constexpr int kSmallSize = 9;

// The width a monospace font gives text at size: each character 0.62 of
// the size, one that is not ASCII counted twice, as it may be wide.
constexpr int width_of_units(int units, int size) {
  return (units * size * 62 + 99) / 100;
}
int text_width(std::string_view text, int size);
// A name's nine bytes count nine at most.
static_assert(kPad + width_of_units(9, kNameSize) <= kLeft);

// Rows of a block, from its top: the title's baseline, the axis's cycle
// and ns numbers and its line, the interval labels' two lines, and the
// lanes under them and under the logic rows.
inline constexpr int kTitleBase = 16;
inline constexpr int kCycleBase = 33;
inline constexpr int kNsBase = 43;
inline constexpr int kAxisLine = 48;
inline constexpr int kLabelBase = 61;
inline constexpr int kLabel2Base = 72;
inline constexpr int kLanesTop = 78;

// What each interval shows besides its trace, in the design tool's words:
// the fields that are set, and a decision point's Re-Exec.
struct Notes {
  std::array<Word, 5> words;
  std::size_t count = 0;
};
Notes notes(const Waveform& waveform, std::size_t interval);

// The axis at an interval's left edge: the cycle and time it starts at
// the earliest, if reached, then beside them the cycles of one drawn at
// the cap, or that the flow state's length is not known.
struct AxisTexts {
  std::string start;
  std::string ns;
  std::string count;
};
AxisTexts axis_texts(const Waveform& waveform, const Timing& timing,
                     std::size_t interval);
int count_x(const AxisTexts& texts);  // from the interval's left edge

// A decision point's arrows, one a row: where to, and the label.
struct Arrow {
  std::size_t from = 0;
  std::size_t to = 0;  // kIdleColumn for the idle state
  std::string label;   // "1: ThenIdle"
};

struct Block {
  int top = 0;
  // Each column's left edge, intervals 0 to 6 then Idle, and the right end.
  std::array<int, kColumnCount + 1> x{};
  // Cycles drawn: at most the cap; the flow state's one is not to scale.
  std::array<int, kIntervalCount> drawn{};
  std::array<int, kIntervalCount> logic_row{};  // of the logic's text
  int logic_rows = 0;
  std::array<Arrow, 2 * kIntervalCount> arrows;
  std::size_t arrow_count = 0;
  int note_rows = 0;
  int lanes_top = 0;
  int arrows_top = 0;  // below the lanes
  int notes_top = 0;
  int footer = 0;  // the first line under it, if any
  int height = 0;
  int right = 0;  // the widest thing drawn
};

// The layout of a waveform's block at top, with its title and the lines
// under it, if any.
Block lay_out(const Waveform& waveform, const Timing& timing,
              const std::string& title,
              const std::array<std::string, 2>& footer, int top);

inline int width_of(const Block& block, std::size_t column) {
  return block.x[column + 1] - block.x[column];
}
// Where a decision point's arrow leaves it and where it ends, and where its
// label starts: right of both, where no arrow in a row under it passes, as
// the rows go from the one that reaches furthest right.
inline int arrow_from_x(const Block& block, const Arrow& arrow) {
  return block.x[arrow.from] + width_of(block, arrow.from) / 2;
}
inline int arrow_to_x(const Block& block, const Arrow& arrow) {
  return block.x[arrow.to] + 2 * kPad;
}
inline int arrow_label_x(const Block& block, const Arrow& arrow) {
  return std::max(arrow_from_x(block, arrow), arrow_to_x(block, arrow)) + kPad;
}

}  // namespace wfpack::view::svg
