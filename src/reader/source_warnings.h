// What a source holds that makes the image differ from the tables the
// firmware's own compiler builds from it. The reader reads a source exactly
// by the format's rules; these warnings only tell the user where the two
// part. They are kept in source order, at most kShown of them, in fixed
// memory whatever the input.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "reader/line_start.h"

namespace wfpack {

struct Warning {
  enum class Kind : std::uint8_t {
    TableNotRead,      // name: the table's name and the reason
    ValuesInComment,   // count: how many
    TableSize,         // count: how many values the block read
    NotClosed,         //
    IfconfigAgain,     // value replaces previous
    NoIfconfig,        // the rest concern the whole source
    NoInitData,        //
    NoWaveData,        //
    NoFlowStates,      // bank
    FlowStatesUnused,  // bank, at the line of its first FlowStates table
  };
  static constexpr std::size_t kTextCapacity = 160;

  Kind kind = Kind::NoIfconfig;
  std::size_t line = 0;  // 0 for what concerns the whole source
  TableKind table = TableKind::InitData;
  std::size_t bank = 0;
  std::size_t count = 0;
  std::uint8_t value = 0;
  std::uint8_t previous = 0;
  std::array<char, kTextCapacity> text{};
  std::size_t text_size = 0;
};

// The warning's text, after "SOURCE:LINE: warning: ".
std::string describe(const Warning& warning);

class SourceWarnings {
 public:
  static constexpr std::size_t kShown = 50;

  // What the scanner reads, as it reads it; line counts from 1.
  void table_not_read(std::size_t line, std::string_view name,
                      std::string_view reason);
  void ifconfig(std::size_t line, std::uint8_t value);
  void block_opened(std::size_t line, TableKind table, std::size_t bank);
  void comment_values(std::size_t line, std::size_t count);
  void block_ended(std::size_t values, bool closed);

  // After the whole source: what it lacks.
  void finish(const GpifImage& image);

  std::span<const Warning> shown() const { return {list_.data(), shown_}; }
  std::size_t not_shown() const { return total_ - shown_; }

 private:
  void add(const Warning& warning);

  std::array<Warning, kShown> list_{};
  std::size_t shown_ = 0;
  std::size_t total_ = 0;

  bool ifconfig_seen_ = false;
  std::uint8_t ifconfig_ = 0;
  bool init_data_seen_ = false;
  std::array<bool, kBankCount> flow_seen_{};
  std::array<std::size_t, kBankCount> first_flow_line_{};
  // The block being read.
  bool in_block_ = false;
  std::size_t block_line_ = 0;
  TableKind block_table_ = TableKind::InitData;
  std::size_t block_bank_ = 0;
};

}  // namespace wfpack
