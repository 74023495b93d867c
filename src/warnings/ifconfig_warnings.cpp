// The warnings about the IFCONFIG line: a value that is no plain number,
// and a second line.
#include <algorithm>

#include "format/line_class.h"
#include "warnings/source_warnings.h"

namespace wfpack {

namespace {

// What an IFCONFIG line sets, as a warning shows it: every run of blanks one
// blank, ends trimmed, and cut after kShownSetting characters. The line may
// have reached the scanner whole or with its blank runs cut to three, so
// only what both give is shown.
constexpr std::size_t kShownSetting = 48;
constexpr std::string_view kCut = "...";

void set_shown_setting(Warning& warning, std::string_view rest) {
  static_assert(kShownSetting + kCut.size() <= Warning::kTextCapacity);
  char* const shown = warning.text.data();
  std::size_t size = 0;
  bool blank = false;
  bool cut = false;
  for (const char c : rest) {
    if (is_blank_or_return(c)) {
      blank = size != 0;
      continue;
    }
    cut = size + (blank ? 1 : 0) >= kShownSetting;
    if (cut) break;
    if (blank) shown[size++] = ' ';
    blank = false;
    shown[size++] = c;
  }
  if (cut) {
    if (shown[size - 1] == ' ') --size;
    size = static_cast<std::size_t>(
        std::copy(kCut.begin(), kCut.end(), shown + size) - shown);
  }
  warning.text_size = size;
}

}  // namespace

void SourceWarnings::ifconfig(std::size_t line, std::uint8_t value,
                              std::string_view rest) {
  Warning warning;
  warning.line = line;
  warning.value = value;
  warning.plain = sets_plain_number(rest);
  if (!warning.plain) {
    warning.kind = Warning::Kind::IfconfigNotPlain;
    set_shown_setting(warning, rest);
    add(warning);
  }
  if (ifconfig_seen_) {
    warning.kind = Warning::Kind::IfconfigAgain;
    warning.previous = ifconfig_;
    warning.previous_line = ifconfig_plain_ ? 0 : ifconfig_line_;
    add(warning);
  }
  ifconfig_seen_ = true;
  ifconfig_ = value;
  ifconfig_line_ = line;
  ifconfig_plain_ = warning.plain;
}

}  // namespace wfpack
