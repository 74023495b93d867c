// The texts of the warnings about a table body's lines: a table declared
// inside it, and values the compiler reads otherwise.
#include <cstdio>

#include "format/hex_value.h"
#include "warnings/text_pieces.h"

namespace wfpack::text {

std::string table_in_body(const Warning& warning) {
  const std::string body_line = std::to_string(warning.body_line);
  std::string text = "table " + quoted(warning.text_view()) +
                     " is inside the body of " + table_of(warning) +
                     " from line " + body_line +
                     ": a table body ends only at a line that begins with " +
                     quoted(kTableBodyEnd);
  if (warning.body_header_values) {
    text += ", and values on a header's own line, as on line " + body_line +
            ", are not read";
  }
  return text;
}

// The values of a table body that the compiler reads otherwise.
std::string values_read_otherwise(const Warning& warning) {
  const std::size_t count = warning.count;
  const std::string table = table_of(warning);
  char first_saturated[16];
  std::snprintf(first_saturated, sizeof first_saturated, "0x%X",
                static_cast<unsigned>(kFirstSaturated));
  switch (warning.kind) {
    case Warning::Kind::ValuesAfterOperator:
      return counted(count, "value") + " after an operator" + were(count) +
             " read into " + table +
             (count == 1 ? " as it stands" : " as they stand") +
             ": the compiler computes with the operator";
    case Warning::Kind::ValuesInsideToken:
      return counted(count, "value") + " inside a longer token" + were(count) +
             " read into " + table + ": the compiler reads the token whole";
    case Warning::Kind::ValuesOutOfRange:
      return counted(count, "value") + " of " + first_saturated + " or more" +
             were(count) + " read into " + table + " as " +
             hex(static_cast<std::uint8_t>(kSaturatedValue)) +
             ": the compiler stores " + (count == 1 ? "its" : "their") +
             " low byte";
    case Warning::Kind::ValuesWithUpperPrefix:
      return counted(count, "value") + " written with " +
             quoted(kUpperValuePrefix) + were(count) + " not read into " +
             table + ": the compiler stores " + them(count) +
             ", so the values after " + them(count) + " shift";
    default:
      return {};
  }
}

}  // namespace wfpack::text
