#include "warnings/source_warnings.h"

#include <algorithm>

#include "format/line_class.h"

namespace wfpack {

namespace {

// Whole-source warnings sort after every line.
constexpr std::size_t kAfterEveryLine = static_cast<std::size_t>(-1);

std::size_t sort_line(const Warning& warning) {
  return warning.line == 0 ? kAfterEveryLine : warning.line;
}

}  // namespace

// Keeps the first kShown warnings in source order. Most come in that order;
// those known only later (a table body's size, a bank never used) go in at
// their line, pushing the last one out.
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

void SourceWarnings::table_not_read(std::size_t line,
                                    const UnreadTable& unread) {
  Warning warning;
  warning.kind = Warning::Kind::TableNotRead;
  warning.line = line;
  warning.table = unread.table;
  warning.reason = unread.reason;
  warning.set_text(unread.name);
  add(warning);
}

void SourceWarnings::table_body_opened(std::size_t line, TableKind table,
                                       std::size_t bank) {
  in_body_ = true;
  body_line_ = line;
  body_table_ = table;
  body_bank_ = bank;
  table_in_body_line_ = 0;
  if (read_otherwise_) otherwise_count_ = {};
  read_otherwise_ = false;
  if (table == TableKind::InitData) init_data_seen_ = true;
  if (table == TableKind::FlowStates && !flow_seen_[bank]) {
    flow_seen_[bank] = true;
    first_flow_line_[bank] = line;
  }
}

void SourceWarnings::comment_values(std::size_t line, std::size_t count) {
  if (!in_body_) return;
  Warning warning;
  warning.kind = Warning::Kind::ValuesInComment;
  warning.line = line;
  warning.table = body_table_;
  warning.bank = body_bank_;
  warning.count = count;
  add(warning);
}

void SourceWarnings::table_body_ended(std::size_t values, bool closed) {
  if (!in_body_) return;
  in_body_ = false;
  if (values == table_size(body_table_) && closed && !read_otherwise_) {
    return;
  }
  Warning warning;
  warning.table = body_table_;
  warning.bank = body_bank_;
  for (std::size_t i = 0; i < kOtherwiseKinds; ++i) {
    if (otherwise_count_[i] == 0) continue;
    warning.kind = static_cast<Warning::Kind>(
        static_cast<std::size_t>(Warning::Kind::ValuesAfterOperator) + i);
    warning.line = otherwise_line_[i];
    warning.count = otherwise_count_[i];
    add(warning);
  }
  if (values == table_size(body_table_) && closed) return;
  // Where a table stands inside the body, its warning tells why first.
  warning.line = table_in_body_line_ != 0 ? table_in_body_line_ : body_line_;
  if (values != table_size(body_table_)) {
    warning.kind = Warning::Kind::TableSize;
    warning.count = values;
    add(warning);
  }
  if (!closed) {
    warning.kind = Warning::Kind::NotClosed;
    add(warning);
  }
}

void SourceWarnings::finish(const GpifImage& image,
                            const Descriptions& descriptions) {
  if (compare_descriptions_) check_descriptions(image, descriptions);
  Warning warning;
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (flow_seen_[bank] && !image.BankUsed[bank]) {
      warning.kind = Warning::Kind::FlowStatesUnused;
      warning.line = first_flow_line_[bank];
      warning.bank = bank;
      add(warning);
    }
  }
  if (!ifconfig_seen_ && ifconfig_not_read_line_ != 0) {
    warning.kind = Warning::Kind::IfconfigNotRead;
    warning.line = ifconfig_not_read_line_;
    add(warning);
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
