// What the end of the source completes: a line, an IFCONFIG value or a
// value that no line feed ended, a table body left open, and the warnings
// that need the whole source.
#include "reader/source_scanner.h"

namespace wfpack {

void SourceScanner::finish() {
  switch (mode_) {
    case Mode::LineBeginning:
      if (!in_body_ && !prefix_.empty()) act_on_line(prefix_.text(), true);
      break;
    case Mode::IfconfigValue:
      set_ifconfig(value_.low_byte(), ifconfig_rest());
      break;
    case Mode::ValueDigits:
      take_value(value_.low_byte());
      break;
    default:
      break;
  }
  // A line gathered to its end is what the source's end leaves of it.
  if (gathering_) {
    gathering_ = false;
    check_body_line(prefix_.text());
  }
  mode_ = Mode::SkipLine;
  report_comment_values();
  if (in_body_) close_table_body(false);
  warnings_.finish(image_, descriptions_);
}

}  // namespace wfpack
