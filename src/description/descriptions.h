// The design tool's description of a design, in the comment blocks it
// writes above the tables and regenerates them from: each waveform's table
// in the tool's own words, the initialization, and the names of the
// waveforms, CTL outputs and ready inputs. Read a line at a time while the
// source is read, in fixed storage; the table bodies are not part of it.
// Each word keeps where it stands, so that it can be rewritten, or an error
// shown at it.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <span>
#include <string_view>

#include "image/gpif_image.h"
#include "waveform/waveform.h"

namespace wfpack {

// Every line of a description is a "//" comment at the start of its line;
// each block opens with a title line that begins with kDescriptionTitle.
inline constexpr std::string_view kDescriptionTitle = "// GPIF ";

// The layout of a row of a waveform's table: "// ", a label, then one
// column for each interval and Idle, a cell at the left of its column but a
// level in its fifth character. Columns count from 0.
inline constexpr std::size_t kRowLabelAt = 3;
inline constexpr std::size_t kFirstColumnAt = kRowLabelAt + kTableLabelWidth;
constexpr std::size_t column_at(std::size_t column) {
  return kFirstColumnAt + kTableColumnWidth * column;
}

// What a waveform's block says: the cells of each field row it has (a row
// it lacks has line 0), then its CTL rows in order, CTL0 first, whatever
// their labels. Each word's first character stands `_at` characters into
// its column.
struct WaveDescription {
  std::size_t number = 0;
  Word name;
  std::size_t title_line = 0;
  std::array<std::size_t, kRowCount> row_lines{};
  std::array<std::array<Word, kIntervalCount>, kRowCount> cells{};
  std::array<std::array<std::uint8_t, kIntervalCount>, kRowCount> cells_at{};
  std::size_t ctl_rows = 0;
  std::array<std::size_t, kCtlCount> ctl_lines{};
  std::array<Word, kCtlCount> ctl_labels{};
  std::array<std::array<Word, kColumnCount>, kCtlCount> levels{};
  std::array<std::array<std::uint8_t, kColumnCount>, kCtlCount> levels_at{};
};

// The initialization block's words, and the level word ("CMOS",
// "Op Drain") of each CTL line of the names block, each with the column
// its word begins at (or would begin at, where the line has none); a line
// not there has line 0.
struct InitDescription {
  std::array<std::size_t, kInitRowCount> lines{};
  std::array<std::size_t, kInitRowCount> columns{};
  std::array<Word, kInitRowCount> words{};
  std::array<std::size_t, kCtlCount> drive_lines{};
  std::array<std::size_t, kCtlCount> drive_columns{};
  std::array<Word, kCtlCount> drives{};
};

class Descriptions {
 public:
  // At most this many initialization and names blocks are kept apart for
  // an update; a source has one of each, or one for each bank.
  static constexpr std::size_t kBlockCapacity = 2 * kBankCount;

  // Whether a line between table bodies that begins with start, as many of
  // its first characters as are at hand, can be part of a description.
  // Nearly every line of comment between tables is told apart by one
  // compare of a fixed size.
  bool may_describe(std::string_view start) const {
    if (block_ != Block::None) return true;
    if (start.size() < kDescriptionTitle.size()) {
      return kDescriptionTitle.starts_with(start);
    }
    return std::memcmp(start.data(), kDescriptionTitle.data(),
                       kDescriptionTitle.size()) == 0;
  }

  // A line between table bodies that begins with "/": its visible part, or
  // its first characters.
  void read_line(std::size_t line, std::string_view text);

  // A WaveData header, for bank (kNoBank for a header that names none):
  // the waveforms and names described before it apply to it.
  void wave_table(std::size_t bank);

  // The description of a bank's waveform, or nullptr.
  const WaveDescription* waveform(std::size_t bank, std::size_t index) const;
  // The names of a bank: those described before its WaveData table, else
  // those of the source's last names block, as a file has one for all its
  // banks; empty where none are given.
  const DesignNames& names(std::size_t bank) const;
  BankNames bank_names() const;
  // The initialization as the last blocks say it; nullptr where the
  // source describes none.
  const InitDescription* initialization() const {
    return init_described_ ? &init_ : nullptr;
  }
  // Each initialization and names block on its own, in source order: an
  // initialization block has only words, a names block only drives.
  std::span<const InitDescription> init_blocks() const {
    return {blocks_.data(), std::min(block_count_, kBlockCapacity)};
  }
  bool too_many_blocks() const { return block_count_ > kBlockCapacity; }
  // The title line of the first waveform's block that no WaveData table of
  // a bank follows; 0 where there is none.
  std::size_t unplaced_line() const {
    return unplaced_line_ != 0 ? unplaced_line_ : pending_line_;
  }

 private:
  enum class Block : std::uint8_t { None, Names, Initialization, Waveform };

  void open_block(std::size_t line, std::string_view title);
  void end_block();
  void read_waveform_row(std::size_t line, std::string_view text);
  void read_name(std::size_t line, std::string_view text);
  void read_init_row(std::size_t line, std::string_view text);

  // The block being read: it counts only once its END line is read.
  Block block_ = Block::None;
  WaveDescription wave_;
  DesignNames names_read_;
  InitDescription init_read_;

  // Read, and waiting for the WaveData table they describe.
  std::array<WaveDescription, kWaveformsPerBank> pending_{};
  std::array<bool, kWaveformsPerBank> pending_described_{};
  DesignNames pending_names_;
  bool pending_named_ = false;
  bool anything_pending_ = false;
  std::size_t pending_line_ = 0;  // the first pending waveform's title
  std::size_t unplaced_line_ = 0;
  DesignNames last_names_;

  std::array<std::array<WaveDescription, kWaveformsPerBank>, kBankCount>
      waves_{};
  std::array<std::array<bool, kWaveformsPerBank>, kBankCount> described_{};
  std::array<DesignNames, kBankCount> names_{};
  std::array<bool, kBankCount> named_{};

  InitDescription init_;
  bool init_described_ = false;
  std::array<InitDescription, kBlockCapacity> blocks_{};
  std::size_t block_count_ = 0;
};

}  // namespace wfpack
