// The blocks of a description, and the rows of a waveform's table.
#include "description/description_lines.h"

namespace wfpack {

using namespace description_lines;

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

}  // namespace wfpack
