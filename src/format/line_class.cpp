#include "format/line_class.h"

#include "format/comments.h"

namespace wfpack {

namespace {

std::size_t skip_blanks(std::string_view text, std::size_t at) {
  while (at < text.size() && is_blank_or_return(text[at])) ++at;
  return at;
}

}  // namespace

bool sets_plain_number(std::string_view rest) {
  std::size_t at = skip_blanks(rest, 0);
  // The compiler reads "0X" as "0x", and so does the IFCONFIG value.
  if (rest.size() < at + 2 || rest[at] != kValuePrefix[0] ||
      (rest[at + 1] | kLetterCaseBit) != kValuePrefix[1]) {
    return false;
  }
  const std::size_t digits = at += 2;
  while (at < rest.size() && is_hex_digit(rest[at])) ++at;
  if (at == digits) return false;
  at = skip_blanks(rest, at);
  // What follows the ";" is another statement, or a comment.
  return at < rest.size() && rest[at] == kStatementEnd;
}

bool holds_values(std::string_view text) {
  // The compiler reads values only after the brace that opens them, which
  // most header lines leave to the next line.
  if (text.empty() || text.back() == kAssignment ||
      text.find(kValuesOpen) == std::string_view::npos) {
    return false;
  }
  Comments comments;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (comments.mark(text[i], text[i + 1]) != 0) {
      ++i;
    } else if (!comments.inside() && starts_value(text[i], text[i + 1])) {
      return true;
    }
  }
  return false;
}

bool assigns_ifconfig(std::string_view line) {
  HeaderWords words(line);
  words.blanks();
  if (!words.word(kIfconfigName)) return false;
  if (!words.rest().empty() && is_identifier_char(words.rest().front())) {
    return false;
  }
  words.blanks();
  const std::string_view rest = words.rest();
  return rest.starts_with(kAssignment) &&
         !rest.substr(1).starts_with(kAssignment);
}

LineClass classify_line(std::string_view line) {
  if (line.starts_with(kIfconfigPrefix)) return {LineKind::Ifconfig};
  HeaderWords words(line);
  if (!words.word(kHeaderConst) || !words.blanks() ||
      !words.word(kHeaderChar) || !words.blanks()) {
    return {};
  }
  words.storage_class();
  const std::size_t name_at = line.size() - words.rest().size();
  for (const TableKind table :
       {TableKind::InitData, TableKind::WaveData, TableKind::FlowStates}) {
    if (!words.word(table_name(table))) continue;
    if (table == TableKind::InitData) {
      if (!words.word(kInitDataDeclarator)) return {};
      return {LineKind::Header, table, kNoSelector, name_at};
    }
    // Every header fits in what is classified, so one that lacks its
    // selector is one whose line ended there.
    const std::string_view rest = words.rest();
    return {LineKind::Header, table, rest.empty() ? kNoSelector : rest.front(),
            name_at};
  }
  return {};
}

}  // namespace wfpack
