// The design tool's description of a design, in the comment blocks it
// writes above the tables and regenerates them from: each waveform's table
// in the tool's own words, the initialization, and the names of the
// waveforms, CTL outputs and ready inputs. Read a line at a time while the
// source is read, in fixed storage; the table bodies are not part of it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "image/gpif_image.h"
#include "waveform/waveform.h"

namespace wfpack {

// Every line of a description is a "//" comment at the start of its line;
// each block opens with a title line that begins with kDescriptionTitle.
inline constexpr std::string_view kDescriptionTitle = "// GPIF ";

// What a waveform's block says: the cells of each field row it has (a row
// it lacks has line 0), then its CTL rows in order, CTL0 first, whatever
// their labels.
struct WaveDescription {
  std::size_t number = 0;
  Word name;
  std::array<std::size_t, kRowCount> row_lines{};
  std::array<std::array<Word, kIntervalCount>, kRowCount> cells{};
  std::size_t ctl_rows = 0;
  std::array<std::size_t, kCtlCount> ctl_lines{};
  std::array<Word, kCtlCount> ctl_labels{};
  std::array<std::array<Word, kColumnCount>, kCtlCount> levels{};
};

// The initialization block's words, and the level word ("CMOS", "Drain")
// of each CTL line of the names block; a line not there has line 0.
struct InitDescription {
  std::array<std::size_t, kInitRowCount> lines{};
  std::array<Word, kInitRowCount> words{};
  std::array<std::size_t, kCtlCount> drive_lines{};
  std::array<Word, kCtlCount> drives{};
};

class Descriptions {
 public:
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
  // nullptr where the source describes no initialization.
  const InitDescription* initialization() const {
    return init_described_ ? &init_ : nullptr;
  }

 private:
  enum class Block : std::uint8_t { None, Names, Initialization, Waveform };

  void open_block(std::string_view title);
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
  DesignNames last_names_;

  std::array<std::array<WaveDescription, kWaveformsPerBank>, kBankCount>
      waves_{};
  std::array<std::array<bool, kWaveformsPerBank>, kBankCount> described_{};
  std::array<DesignNames, kBankCount> names_{};
  std::array<bool, kBankCount> named_{};

  InitDescription init_;
  bool init_described_ = false;
};

}  // namespace wfpack
