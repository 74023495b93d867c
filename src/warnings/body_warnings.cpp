// What a table body holds that the firmware's compiler reads otherwise,
// and an IFCONFIG line the reader does not take: gathered as the scanner
// reads, told once the body, or the source, ends.
#include <algorithm>

#include "warnings/source_warnings.h"

namespace wfpack {

void SourceWarnings::table_in_body(std::size_t line, std::string_view name,
                                   const BodyHeader& body) {
  Warning warning;
  warning.kind = Warning::Kind::TableInBody;
  warning.line = line;
  warning.table = body.table;
  warning.bank = body.bank;
  warning.body_line = body.line;
  warning.body_header_values = body.holds_values;
  warning.set_text(name);
  add(warning);
  if (in_body_ && table_in_body_line_ == 0) table_in_body_line_ = line;
}

static_assert(static_cast<std::size_t>(Warning::Kind::ValuesWithUpperPrefix) -
                  static_cast<std::size_t>(Warning::Kind::ValuesAfterOperator) +
                  1 ==
              SourceWarnings::kOtherwiseKinds);

void SourceWarnings::value_read_otherwise(std::size_t line,
                                          Warning::Kind kind) {
  if (!in_body_) return;
  const auto i = static_cast<std::size_t>(kind) -
                 static_cast<std::size_t>(Warning::Kind::ValuesAfterOperator);
  if (otherwise_count_[i]++ == 0) otherwise_line_[i] = line;
  read_otherwise_ = true;
}

void SourceWarnings::ifconfig_not_read(std::size_t line) {
  if (ifconfig_not_read_line_ == 0) ifconfig_not_read_line_ = line;
}

}  // namespace wfpack
