// A line between table bodies that declares one of the tables, as the
// firmware's compiler sees it, where the reader reads nothing: a renamed
// table, a header indented or spelt another way. The image then lacks what
// the firmware holds, and the user is told.
#pragma once

#include <cstdint>
#include <string_view>

#include "format/line_class.h"

namespace wfpack {

// Why a declaration is not read.
enum class UnreadReason : std::uint8_t {
  NoBank,              // a header whose selector names no bank
  NotAtLineStart,      // the declaration is indented
  NotConstChar,        // it does not begin with "const"
  InitDataSpelling,    // InitData without its exact declarator
  HeaderSpelling,      // other words between "const char" and the name
  BlankBeforeBracket,  // a header with a blank where its selector goes
};

struct UnreadTable {
  bool found = false;
  std::string_view name;  // the declared name, within the line
  TableKind table = TableKind::InitData;
  UnreadReason reason = UnreadReason::NoBank;
};

// line is the line, or its first characters, and line_class what
// classify_line made of it.
UnreadTable unread_table(std::string_view line, const LineClass& line_class);

}  // namespace wfpack
