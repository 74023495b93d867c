// A line between blocks that declares one of the tables, as the firmware's
// compiler sees it, where the reader reads nothing: a renamed table, a
// header indented or spelt another way. The image then lacks what the
// firmware holds, and the user is told.
#pragma once

#include <string_view>

#include "reader/line_start.h"

namespace wfpack {

struct UnreadTable {
  bool found = false;
  std::string_view name;    // the declared name, within the line
  std::string_view reason;  // why it is not read
};

// line is the line, or its first characters, and start what classify_line
// made of it.
UnreadTable unread_table(std::string_view line, const LineStart& start);

}  // namespace wfpack
