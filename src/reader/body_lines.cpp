// The lines of a table body that declare a table, told from their first
// characters: the firmware's compiler sees a declaration, the open body
// takes the line in as values.
#include "reader/source_scanner.h"
#include "warnings/unread_table.h"

namespace wfpack {

// Gathers the line's first characters from p, up to the end of the chunk,
// and checks them once they tell what the line is.
void SourceScanner::gather_body_line(const char* p, const char* end) {
  prefix_.take(p, end);
  if (!prefix_.complete()) return;
  gathering_ = false;
  check_body_line(prefix_.text());
}

// A header, or a declaration the reader would not read between tables
// either: in a body, the reader takes its line as values.
void SourceScanner::check_body_line(std::string_view line) {
  const LineClass line_class = classify_line(line);
  if (line_class.kind == LineKind::Header) {
    HeaderWords name(line.substr(line_class.name_at));
    warnings_.table_in_body(line_, name.identifier(), body_);
  } else if (const UnreadTable unread = unread_table(line, line_class);
             unread.found) {
    warnings_.table_in_body(line_, unread.name, body_);
  }
}

}  // namespace wfpack
