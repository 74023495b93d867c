#include "description/descriptions.h"

#include <algorithm>

#include "format/source_format.h"

namespace wfpack {

namespace {

constexpr std::string_view kWaveformTitle = "// GPIF Waveform ";
constexpr std::string_view kNamesTitle = "// GPIF Wave Names";
constexpr std::string_view kInitTitle = "// GPIF Initialization";
constexpr std::string_view kBlockEnd = "// END DO NOT EDIT";
constexpr std::string_view kRowStart = "// ";
static_assert(kDescriptionTitle.starts_with(kRowStart));

static_assert(kRowLabelAt == kRowStart.size());
constexpr std::string_view kHeaderLabel = "Interval";
// A names line: "// CTL 0    = RD#      CMOS", the name in the characters
// after "= ", then a CTL's level word.
constexpr std::string_view kNameAssign = "= ";
constexpr std::size_t kNameWidth = 9;

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank_or_return(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && is_blank_or_return(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string_view column(std::string_view text, std::size_t at,
                        std::size_t width) {
  return at < text.size() ? trimmed(text.substr(at, width)) : "";
}

// Where a column's word begins, counted from the column's start: its
// first character that is no blank, or the column's width where it has
// none.
std::size_t word_at(std::string_view text, std::size_t at, std::size_t width) {
  for (std::size_t i = 0; i < width && at + i < text.size(); ++i) {
    if (!is_blank_or_return(text[at + i])) return i;
  }
  return width;
}

// The number a label ends with after prefix, below limit; limit if none.
std::size_t numbered(std::string_view label, std::string_view prefix,
                     std::size_t limit) {
  if (label.size() != prefix.size() + 1 || !label.starts_with(prefix) ||
      !is_decimal_digit(label.back())) {
    return limit;
  }
  const auto number = static_cast<std::size_t>(label.back() - '0');
  return number < limit ? number : limit;
}

}  // namespace

void Descriptions::read_line(std::size_t line, std::string_view text) {
  if (text.starts_with(kBlockEnd)) {
    end_block();
  } else if (text.starts_with(kDescriptionTitle) &&
             (text.starts_with(kWaveformTitle) ||
              text.starts_with(kNamesTitle) || text.starts_with(kInitTitle))) {
    open_block(line, text);
  } else if (text.starts_with(kRowStart)) {
    switch (block_) {
      case Block::Waveform:
        read_waveform_row(line, text);
        break;
      case Block::Names:
        read_name(line, text);
        break;
      case Block::Initialization:
        read_init_row(line, text);
        break;
      case Block::None:
        break;
    }
  }
}

// A block that another opens before its END line counts for nothing.
void Descriptions::open_block(std::size_t line, std::string_view title) {
  block_ = Block::None;
  if (title.starts_with(kNamesTitle)) {
    names_read_ = {};
    init_read_ = {};
    block_ = Block::Names;
  } else if (title.starts_with(kInitTitle)) {
    init_read_ = {};
    block_ = Block::Initialization;
  } else {
    // "// GPIF Waveform 2: FIFO Rd"
    std::string_view rest = title.substr(kWaveformTitle.size());
    const std::size_t colon = rest.find(':');
    if (colon != 1 || !is_decimal_digit(rest.front())) return;
    wave_ = {};
    wave_.number = static_cast<std::size_t>(rest.front() - '0');
    if (wave_.number >= kWaveformsPerBank) return;
    wave_.name = trimmed(rest.substr(colon + 1));
    wave_.title_line = line;
    block_ = Block::Waveform;
  }
}

void Descriptions::end_block() {
  switch (block_) {
    case Block::Waveform:
      pending_[wave_.number] = wave_;
      pending_described_[wave_.number] = true;
      anything_pending_ = true;
      if (pending_line_ == 0) pending_line_ = wave_.title_line;
      break;
    case Block::Names:
      pending_names_ = names_read_;
      pending_named_ = true;
      anything_pending_ = true;
      last_names_ = names_read_;
      init_.drive_lines = init_read_.drive_lines;
      init_.drive_columns = init_read_.drive_columns;
      init_.drives = init_read_.drives;
      init_described_ = true;
      if (block_count_++ < kBlockCapacity)
        blocks_[block_count_ - 1] = init_read_;
      break;
    case Block::Initialization:
      init_.lines = init_read_.lines;
      init_.columns = init_read_.columns;
      init_.words = init_read_.words;
      init_described_ = true;
      if (block_count_++ < kBlockCapacity)
        blocks_[block_count_ - 1] = init_read_;
      break;
    case Block::None:
      break;
  }
  block_ = Block::None;
}

// Field rows come first, known by their labels; every row after them is a
// CTL output's, in order. The header, the underscores and empty comment
// lines have no label.
void Descriptions::read_waveform_row(std::size_t line, std::string_view text) {
  const std::string_view label = column(text, kRowLabelAt, kTableLabelWidth);
  if (label.empty() || label == kHeaderLabel) return;
  if (wave_.ctl_rows == 0) {
    for (std::size_t row = 0; row < kRowCount; ++row) {
      if (label != trimmed(row_field(static_cast<Row>(row)).label)) continue;
      wave_.row_lines[row] = line;
      for (std::size_t i = 0; i < kIntervalCount; ++i) {
        wave_.cells[row][i] = column(text, column_at(i), kTableColumnWidth);
        wave_.cells_at[row][i] = static_cast<std::uint8_t>(
            word_at(text, column_at(i), kTableColumnWidth));
      }
      return;
    }
  }
  if (wave_.ctl_rows == kCtlCount) return;
  const std::size_t ctl = wave_.ctl_rows++;
  wave_.ctl_lines[ctl] = line;
  wave_.ctl_labels[ctl] = label;
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    wave_.levels[ctl][i] = column(text, column_at(i), kTableColumnWidth);
    wave_.levels_at[ctl][i] = static_cast<std::uint8_t>(
        word_at(text, column_at(i), kTableColumnWidth));
  }
}

void Descriptions::read_name(std::size_t line, std::string_view text) {
  const std::size_t assign = text.find(kNameAssign, kRowStart.size());
  if (assign == std::string_view::npos) return;
  const std::string_view label =
      trimmed(text.substr(kRowStart.size(), assign - kRowStart.size()));
  const std::size_t name_at = assign + kNameAssign.size();
  const Word name = column(text, name_at, kNameWidth);
  if (const std::size_t wave = numbered(label, "Wave ", kWaveformsPerBank);
      wave < kWaveformsPerBank) {
    names_read_.waveforms[wave] = name;
  } else if (const std::size_t ctl = numbered(label, "CTL ", kCtlCount);
             ctl < kCtlCount) {
    names_read_.ctls[ctl] = name;
    const std::size_t drive_at = name_at + kNameWidth;
    init_read_.drive_lines[ctl] = line;
    init_read_.drives[ctl] = column(text, drive_at, text.size());
    const std::size_t found = word_at(text, drive_at, kTableColumnWidth);
    init_read_.drive_columns[ctl] =
        drive_at + (found == kTableColumnWidth ? 0 : found);
  } else if (const std::size_t ready = numbered(label, "RDY", 6); ready < 6) {
    names_read_.terms[ready] = name;
  } else if (label == "FIFOFlag") {
    names_read_.terms[6] = name;
  } else if (label == "IntReady") {
    names_read_.terms[7] = name;
  }
}

void Descriptions::read_init_row(std::size_t line, std::string_view text) {
  const std::string_view rest = text.substr(kRowStart.size());
  for (std::size_t row = 0; row < kInitRowCount; ++row) {
    const std::string_view label = init_field(static_cast<InitRow>(row)).label;
    if (!rest.starts_with(label) ||
        (rest.size() > label.size() && !is_blank(rest[label.size()]))) {
      continue;
    }
    const std::size_t after = kRowStart.size() + label.size();
    init_read_.lines[row] = line;
    init_read_.words[row] = trimmed(rest.substr(label.size()));
    init_read_.columns[row] =
        init_read_.words[row].empty()
            ? after + 1
            : after + word_at(text, after, text.size() - after);
    return;
  }
}

}  // namespace wfpack
