#include "view/svg_layout.h"

#include <algorithm>
#include <cstdint>

namespace wfpack::view::svg {

int text_width(std::string_view text, int size) {
  int units = 0;
  for (const char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    // A character that is not ASCII may be wide: its lead byte counts
    // two. A byte that is no UTF-8 is drawn as one replacement character.
    if (byte < 0x80) {
      units += 1;
    } else if (byte >= 0xC0) {
      units += 2;
    }
  }
  return width_of_units(units, size);
}

Notes notes(const Waveform& waveform, std::size_t interval) {
  const Interval& it = waveform.intervals[interval];
  Notes out;
  for (const auto& [set, row] : {std::pair{it.next, Row::NextData},
                                 {it.increment, Row::AddrMode},
                                 {it.interrupt, Row::IntTrig},
                                 {it.single, Row::SnglCrc}}) {
    if (set) out.words[out.count++] = cell(waveform, row, interval);
  }
  if (it.decision && it.re_execute) {
    out.words[out.count++] = row_field(Row::ReExec).label;
  }
  return out;
}

AxisTexts axis_texts(const Waveform& waveform, const Timing& timing,
                     std::size_t interval) {
  const IntervalTime& time = timing.intervals[interval];
  AxisTexts texts;
  if (time.reached) {
    texts.start = std::to_string(time.earliest);
    texts.ns = nanoseconds(time.earliest, timing.clock);
  }
  if (is_flow_interval(waveform, interval)) {
    texts.count = "length not known";
  } else if (time.cycles > static_cast<unsigned>(kCap)) {
    texts.count = cycles_words(time.cycles);
  }
  return texts;
}

int count_x(const AxisTexts& texts) {
  const int numbers = std::max(text_width(texts.start, kSmallSize),
                               text_width(texts.ns, kSmallSize));
  return kPad + numbers + (numbers != 0 ? 2 * kPad : 0);
}

namespace {

// The widest of an interval's own texts, its edges' padding included.
int own_width(const Waveform& waveform, const Timing& timing,
              std::size_t interval) {
  const IntervalTime& time = timing.intervals[interval];
  int need =
      text_width(cell(waveform, Row::IfWait, interval).view(), kLabelSize);
  if (!time.reached) {
    need = std::max(need, text_width("not reached", kSmallSize));
  }
  const Notes said = notes(waveform, interval);
  for (std::size_t n = 0; n < said.count; ++n) {
    need = std::max(need, text_width(said.words[n].view(), kSmallSize));
  }
  const AxisTexts axis = axis_texts(waveform, timing, interval);
  need =
      std::max(need, count_x(axis) + text_width(axis.count, kSmallSize) - kPad);
  if (is_flow_interval(waveform, interval)) {
    for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
      need = std::max(need, text_width(flow_either(waveform, ctl), kSmallSize));
    }
  }
  return need + 2 * kPad;
}

}  // namespace

Block lay_out(const Waveform& waveform, const Timing& timing,
              const std::string& title,
              const std::array<std::string, 2>& footer, int top) {
  Block block;
  block.top = top;
  block.x[0] = kLeft;
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const int cycles = static_cast<int>(timing.intervals[i].cycles);
    block.drawn[i] = std::min(cycles, kCap);
    const int width =
        std::max(block.drawn[i] * kCycle, own_width(waveform, timing, i));
    block.x[i + 1] = block.x[i] + width;
  }
  block.x[kColumnCount] = block.x[kIdleColumn] + kIdle;
  block.right =
      std::max(block.x[kColumnCount], text_width(title, kTitleSize) + kPad);
  // Each decision point's logic above the lanes, in the first row where it
  // meets no other.
  std::array<int, kIntervalCount> row_end{};
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    if (!waveform.intervals[i].decision) continue;
    const int x = block.x[i] + kPad;
    int row = 0;
    while (row_end[static_cast<std::size_t>(row)] > x) ++row;
    const int end =
        x + text_width(logic_text(waveform, waveform.intervals[i].logic),
                       kSmallSize);
    row_end[static_cast<std::size_t>(row)] = end + 2 * kPad;
    block.logic_row[i] = row;
    block.logic_rows = std::max(block.logic_rows, row + 1);
    block.right = std::max(block.right, end);
  }
  // Each reached decision point's arrows, one a row; one arrow where both
  // branches go to the same place.
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const Interval& interval = waveform.intervals[i];
    if (!interval.decision || !timing.intervals[i].reached) continue;
    const std::string then_label =
        "1: " + std::string(cell(waveform, Row::Branch1, i).view());
    const std::string else_label =
        "0: " + std::string(cell(waveform, Row::Branch0, i).view());
    if (interval.then_to == interval.else_to) {
      block.arrows[block.arrow_count++] = {i, interval.then_to,
                                           then_label + ", " + else_label};
    } else {
      block.arrows[block.arrow_count++] = {i, interval.then_to, then_label};
      block.arrows[block.arrow_count++] = {i, interval.else_to, else_label};
    }
  }
  std::stable_sort(
      block.arrows.begin(),
      block.arrows.begin() + static_cast<std::ptrdiff_t>(block.arrow_count),
      [&](const Arrow& a, const Arrow& b) {
        return arrow_label_x(block, a) > arrow_label_x(block, b);
      });
  for (std::size_t a = 0; a < block.arrow_count; ++a) {
    const Arrow& arrow = block.arrows[a];
    block.right =
        std::max(block.right, arrow_label_x(block, arrow) +
                                  text_width(arrow.label, kSmallSize));
  }
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    block.note_rows =
        std::max(block.note_rows, static_cast<int>(notes(waveform, i).count));
  }
  block.lanes_top = top + kLanesTop + kRow * block.logic_rows;
  block.arrows_top = block.lanes_top + kLane * kLanes;
  block.notes_top = block.arrows_top +
                    kArrowRow * static_cast<int>(block.arrow_count) +
                    (block.arrow_count != 0 ? kPad : 0);
  block.footer = block.notes_top + kNoteRow * block.note_rows + kNoteRow + 2;
  block.height = block.footer - top + (footer[0].empty() ? 8 : 2 * kNoteRow);
  for (const std::string& line : footer) {
    block.right = std::max(block.right, kPad + text_width(line, kSmallSize));
  }
  block.right += kMargin;
  return block;
}

}  // namespace wfpack::view::svg
