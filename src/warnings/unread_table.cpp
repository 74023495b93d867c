#include "warnings/unread_table.h"

namespace wfpack {

namespace {

constexpr TableKind kTables[] = {TableKind::InitData, TableKind::WaveData,
                                 TableKind::FlowStates};

// The table a word names, as the start of a longer name too.
bool names_a_table(std::string_view word, TableKind& table) {
  for (const TableKind candidate : kTables) {
    if (word.starts_with(table_name(candidate))) {
      table = candidate;
      return true;
    }
  }
  return false;
}

// "[...]", blanks, then "=": an array defined with its values.
bool defines_array(std::string_view rest) {
  HeaderWords words(rest);
  words.blanks();
  if (!words.word("[")) return false;
  const std::size_t close = words.rest().find(']');
  if (close == std::string_view::npos) return false;
  HeaderWords after(words.rest().substr(close + 1));
  after.blanks();
  return after.word("=");
}

UnreadTable header_without_bank(std::string_view line,
                                const LineClass& header) {
  if (header.table == TableKind::InitData ||
      bank_from_selector(header.selector) != kNoBank) {
    return {};
  }
  HeaderWords name(line.substr(header.name_at));
  const std::string_view declared = name.identifier();
  // "WaveData [128] =": the blank, not a misspelt name, is what is wrong.
  name.blanks();
  const bool blank =
      is_blank(header.selector) && name.rest().starts_with(kFirstBankSelector);
  return {true, declared, header.table,
          blank ? UnreadReason::BlankBeforeBracket : UnreadReason::NoBank};
}

UnreadReason reason_for(std::string_view line, std::string_view first_word,
                        TableKind table) {
  if (is_blank(line.front())) return UnreadReason::NotAtLineStart;
  if (first_word != kHeaderConst) return UnreadReason::NotConstChar;
  if (table == TableKind::InitData) return UnreadReason::InitDataSpelling;
  return UnreadReason::HeaderSpelling;
}

// Most lines between tables are code or comments that declare none: a
// declaration has a "[" after the name, and a search for it and then for
// each name tells them apart faster than reading their words.
bool mentions_a_table(std::string_view line) {
  if (line.find('[') == std::string_view::npos) return false;
  for (const TableKind table : kTables) {
    if (line.find(table_name(table)) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

UnreadTable unread_table(std::string_view line, const LineClass& line_class) {
  if (line_class.kind == LineKind::Header) {
    return header_without_bank(line, line_class);
  }
  if (line_class.kind != LineKind::Other || !mentions_a_table(line)) return {};
  // Words separated by blanks, the last a table's name with its array
  // declarator: "__xdata const char WaveData[128] =".
  HeaderWords words(line);
  words.blanks();
  std::string_view first_word;
  for (;;) {
    const std::string_view word = words.identifier();
    if (word.empty() || is_decimal_digit(word.front())) break;
    TableKind table = TableKind::InitData;
    if (first_word.empty()) {
      first_word = word;
    } else if (names_a_table(word, table)) {
      if (!defines_array(words.rest())) break;
      return {true, word, table, reason_for(line, first_word, table)};
    }
    if (!words.blanks()) break;  // no blank: not a word list
  }
  return {};
}

}  // namespace wfpack
