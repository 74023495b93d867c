#include "reader/source_warnings.h"

#include <algorithm>
#include <cstdio>

namespace wfpack {

namespace {

// Whole-source warnings sort after every line.
constexpr std::size_t kAfterEveryLine = static_cast<std::size_t>(-1);

std::size_t sort_line(const Warning& warning) {
  return warning.line == 0 ? kAfterEveryLine : warning.line;
}

std::size_t table_size(TableKind table) {
  switch (table) {
    case TableKind::InitData:
      return kInitDataSize;
    case TableKind::WaveData:
      return kWaveBankSize;
    case TableKind::FlowStates:
      return kFlowBankSize;
  }
  return 0;
}

std::string table_name(const Warning& warning) {
  switch (warning.table) {
    case TableKind::InitData:
      return "InitData";
    case TableKind::WaveData:
      return "WaveData bank " + std::to_string(warning.bank);
    case TableKind::FlowStates:
      return "FlowStates bank " + std::to_string(warning.bank);
  }
  return {};
}

std::string hex(std::uint8_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02x", value);
  return text;
}

}  // namespace

std::string describe(const Warning& warning) {
  const std::string bank = std::to_string(warning.bank);
  switch (warning.kind) {
    case Warning::Kind::TableNotRead:
      return std::string(warning.text.data(), warning.text_size);
    case Warning::Kind::ValuesInComment:
      return std::to_string(warning.count) +
             " values inside a comment were read into " + table_name(warning);
    case Warning::Kind::TableSize:
      return table_name(warning) + " holds " + std::to_string(warning.count) +
             " values, not " + std::to_string(table_size(warning.table));
    case Warning::Kind::NotClosed:
      return table_name(warning) + " is not closed by '};'";
    case Warning::Kind::IfconfigAgain:
      return "IFCONFIG is set again: " + hex(warning.value) + " replaces " +
             hex(warning.previous);
    case Warning::Kind::NoIfconfig:
      return "no IFCONFIG line; IFCONFIG is 0x00";
    case Warning::Kind::NoInitData:
      return "no InitData table; its 7 bytes are 0x00";
    case Warning::Kind::NoWaveData:
      return "no WaveData table; the image holds no bank";
    case Warning::Kind::NoFlowStates:
      return "bank " + bank + " has no FlowStates table; its 36 bytes are 0x00";
    case Warning::Kind::FlowStatesUnused:
      return "FlowStates bank " + bank + " is not in the image: bank " + bank +
             " has no WaveData table";
  }
  return {};
}

// Keeps the first kShown warnings in source order. Most come in that order;
// those known only later (a block's size, a bank never used) go in at their
// line, pushing the last one out.
void SourceWarnings::add(const Warning& warning) {
  ++total_;
  const auto later = std::upper_bound(
      list_.begin(), list_.begin() + static_cast<std::ptrdiff_t>(shown_),
      sort_line(warning),
      [](std::size_t line, const Warning& w) { return line < sort_line(w); });
  if (later == list_.begin() + static_cast<std::ptrdiff_t>(kShown)) return;
  std::move_backward(
      later,
      list_.begin() + static_cast<std::ptrdiff_t>(std::min(shown_, kShown - 1)),
      list_.begin() +
          static_cast<std::ptrdiff_t>(std::min(shown_ + 1, kShown)));
  *later = warning;
  shown_ = std::min(shown_ + 1, kShown);
}

void SourceWarnings::table_not_read(std::size_t line, std::string_view name,
                                    std::string_view reason) {
  Warning warning;
  warning.kind = Warning::Kind::TableNotRead;
  warning.line = line;
  std::string text = "table '" + std::string(name) + "' is not read";
  if (!reason.empty()) text += ": " + std::string(reason);
  warning.text_size = std::min(text.size(), warning.text.size());
  std::copy_n(text.begin(), warning.text_size, warning.text.begin());
  add(warning);
}

void SourceWarnings::ifconfig(std::size_t line, std::uint8_t value) {
  if (ifconfig_seen_) {
    Warning warning;
    warning.kind = Warning::Kind::IfconfigAgain;
    warning.line = line;
    warning.value = value;
    warning.previous = ifconfig_;
    add(warning);
  }
  ifconfig_seen_ = true;
  ifconfig_ = value;
}

void SourceWarnings::block_opened(std::size_t line, TableKind table,
                                  std::size_t bank) {
  in_block_ = true;
  block_line_ = line;
  block_table_ = table;
  block_bank_ = bank;
  if (table == TableKind::InitData) init_data_seen_ = true;
  if (table == TableKind::FlowStates && !flow_seen_[bank]) {
    flow_seen_[bank] = true;
    first_flow_line_[bank] = line;
  }
}

void SourceWarnings::comment_values(std::size_t line, std::size_t count) {
  if (!in_block_) return;
  Warning warning;
  warning.kind = Warning::Kind::ValuesInComment;
  warning.line = line;
  warning.table = block_table_;
  warning.bank = block_bank_;
  warning.count = count;
  add(warning);
}

void SourceWarnings::block_ended(std::size_t values, bool closed) {
  if (!in_block_) return;
  in_block_ = false;
  if (values == table_size(block_table_) && closed) return;
  Warning warning;
  warning.line = block_line_;
  warning.table = block_table_;
  warning.bank = block_bank_;
  if (values != table_size(block_table_)) {
    warning.kind = Warning::Kind::TableSize;
    warning.count = values;
    add(warning);
  }
  if (!closed) {
    warning.kind = Warning::Kind::NotClosed;
    add(warning);
  }
}

void SourceWarnings::finish(const GpifImage& image) {
  Warning warning;
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (flow_seen_[bank] && !image.BankUsed[bank]) {
      warning.kind = Warning::Kind::FlowStatesUnused;
      warning.line = first_flow_line_[bank];
      warning.bank = bank;
      add(warning);
    }
  }
  warning.line = 0;
  if (!ifconfig_seen_) {
    warning.kind = Warning::Kind::NoIfconfig;
    add(warning);
  }
  if (!init_data_seen_) {
    warning.kind = Warning::Kind::NoInitData;
    add(warning);
  }
  if (used_bank_count(image) == 0) {
    warning.kind = Warning::Kind::NoWaveData;
    add(warning);
  }
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (image.BankUsed[bank] && !flow_seen_[bank]) {
      warning.kind = Warning::Kind::NoFlowStates;
      warning.bank = bank;
      add(warning);
    }
  }
}

}  // namespace wfpack
