#include "reader/unread_table.h"

namespace wfpack {

namespace {

constexpr std::string_view kTableNames[] = {"InitData", "WaveData",
                                            "FlowStates"};

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool is_identifier_char(char c) {
  return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9');
}

bool names_a_table(std::string_view word) {
  for (const std::string_view name : kTableNames) {
    if (word.starts_with(name)) return true;
  }
  return false;
}

std::string_view identifier_at(std::string_view line, std::size_t at) {
  std::size_t end = at;
  while (end < line.size() && is_identifier_char(line[end])) ++end;
  return line.substr(at, end - at);
}

std::size_t skip_blanks(std::string_view line, std::size_t at) {
  while (at < line.size() && is_blank(line[at])) ++at;
  return at;
}

// "[...]", blanks, then "=": an array defined with its values.
bool defines_array(std::string_view line, std::size_t at) {
  at = skip_blanks(line, at);
  if (at >= line.size() || line[at] != '[') return false;
  const std::size_t close = line.find(']', at);
  if (close == std::string_view::npos) return false;
  at = skip_blanks(line, close + 1);
  return at < line.size() && line[at] == '=';
}

// A header whose selector names no bank opens a block that stores nothing.
UnreadTable header_without_bank(std::string_view line, const LineStart& start) {
  if (start.table == TableKind::InitData ||
      bank_from_selector(start.selector) != kNoBank) {
    return {};
  }
  return {true, identifier_at(line, start.name_at),
          start.table == TableKind::WaveData
              ? "only WaveData and WaveData0 to WaveData7 name a bank"
              : "only FlowStates and FlowStates0 to FlowStates7 name a bank"};
}

std::string_view reason_for(std::string_view line, std::string_view first_word,
                            std::string_view name) {
  if (is_blank(line.front())) return "a table header must begin its line";
  if (first_word != "const") return "a table header begins with 'const char'";
  if (name.starts_with("InitData")) return "only 'InitData[7] =' is read";
  return "a table header is 'const char', 'xdata' or '__xdata' if any, "
         "then the name";
}

}  // namespace

UnreadTable unread_table(std::string_view line, const LineStart& start) {
  if (start.kind == LineKind::Header) return header_without_bank(line, start);
  if (start.kind != LineKind::Other) return {};
  // Most lines between tables are code or comments that name none: two
  // searches tell them apart faster than reading their words.
  if (line.find("Data") == std::string_view::npos &&
      line.find("FlowStates") == std::string_view::npos) {
    return {};
  }
  // Words separated by blanks, the last a table's name with its array
  // declarator: "__xdata const char WaveData[128] =".
  std::string_view first_word;
  for (std::size_t at = skip_blanks(line, 0); at < line.size();) {
    const std::string_view word = identifier_at(line, at);
    if (word.empty() || (word.front() >= '0' && word.front() <= '9')) break;
    if (first_word.empty()) {
      first_word = word;
    } else if (names_a_table(word)) {
      if (!defines_array(line, at + word.size())) break;
      return {true, word, reason_for(line, first_word, word)};
    }
    const std::size_t next = skip_blanks(line, at + word.size());
    if (next == at + word.size()) break;  // no blank: not a word list
    at = next;
  }
  return {};
}

}  // namespace wfpack
