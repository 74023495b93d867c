// How a table's literals read, for messages and for an update's rewrite.
#include <algorithm>

#include "format/source_format.h"
#include "update/table_literals.h"

namespace wfpack {

std::string_view body_fault_text(BodyFault fault) {
  switch (fault) {
    case BodyFault::None:
      break;
    case BodyFault::CommentValue:
      return "a value inside a comment";
    case BodyFault::OtherToken:
      return "something other than a 0x number";
    case BodyFault::BadValue:
      return "a 0x value the compiler reads otherwise";
    case BodyFault::HeaderValues:
      return "values on its header's line";
    case BodyFault::Overrun:
      return "more values than its table holds";
    case BodyFault::NotClosed:
      return "no '};' line closing it";
    case BodyFault::NulByte:
      return "a NUL byte";
  }
  return {};
}

std::string literal_text(std::string_view old_text, std::uint8_t byte,
                         bool body_upper_case) {
  const std::string_view digits = old_text.substr(kValuePrefix.size());
  bool upper = body_upper_case;
  for (const char c : digits) {
    if (is_decimal_digit(c)) continue;
    upper = (c & kLetterCaseBit) == 0;
    break;
  }
  const std::string_view letters =
      upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string text(kValuePrefix);
  const std::size_t needed = byte < 0x10 ? 1 : 2;
  text.append(std::max(digits.size(), needed) - needed, '0');
  if (needed == 2) text += letters[byte >> 4];
  text += letters[byte & 0x0F];
  return text;
}

}  // namespace wfpack
