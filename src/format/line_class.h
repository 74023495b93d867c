// What a line between table bodies is, decided from its first characters,
// and the words of a table header, which the warnings read as well.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "format/source_format.h"

namespace wfpack {

enum class LineKind : std::uint8_t {
  Other,     // nothing the image is read from
  Ifconfig,  // kIfconfigPrefix, the value on the rest of the line
  Header,    // a table header: the table and, but for InitData, a selector
};

struct LineClass {
  LineKind kind = LineKind::Other;
  TableKind table = TableKind::InitData;
  char selector = kNoSelector;
  std::size_t name_at = 0;  // where a header's table name begins
};

// The IFCONFIG line or a table header, from the line's visible part, or as
// much of its beginning as can tell: runs of more than three blanks may be
// cut to three, and a header is told by its first 128 characters so cut.
LineClass classify_line(std::string_view line);

// Whether the rest of an IFCONFIG line, after kIfconfigPrefix, sets one
// plain hexadecimal number, which the firmware's compiler reads as the
// reader does: blanks, "0x" and digits, blanks, then ";". Carriage returns
// count as blanks.
bool sets_plain_number(std::string_view rest);

// Whether text, the rest of a header's line after the table's name, holds
// values the compiler reads: a value prefix outside comments, after the
// brace that opens the values. The reader reads none of them.
bool holds_values(std::string_view text);

// Whether a line the reader does not take as the IFCONFIG line assigns
// IFCONFIG all the same: blanks, kIfconfigName, blanks, then "=" that is
// not "==" ("IFCONFIG=0xCE;", "\tIFCONFIG = 0xCE;").
bool assigns_ifconfig(std::string_view line);

// What a table declaration begins with, after any blanks: the first
// character of a word.
constexpr bool may_begin_declaration(char c) {
  return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Between table bodies, only a line that begins with one of these
// characters can be anything but Other, or declare a table that is not
// read; every other line is passed over unread.
constexpr bool may_begin_something(char first) {
  return is_blank(first) || may_begin_declaration(first);
}

// In a table body, a line must be read from its start where it may end the
// body, or declare a table that the firmware's compiler would then see
// inside the body: where its first character is kTableBodyEnd's, or begins
// a declaration's first word. The value search asks at every line it
// passes, so the answer is one lookup.
namespace detail {

constexpr std::array<bool, 256> make_body_line_starts() {
  std::array<bool, 256> starts{};
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const auto c = static_cast<char>(i);
    starts[i] = c == kTableBodyEnd[0] || may_begin_declaration(c);
  }
  return starts;
}

inline constexpr auto kBodyLineStarts = make_body_line_starts();

}  // namespace detail

inline bool body_line_must_be_read(char first) {
  return detail::kBodyLineStarts[static_cast<unsigned char>(first)];
}

// Reads the words of a declaration from the front of a line.
class HeaderWords {
 public:
  explicit HeaderWords(std::string_view text) : rest_(text) {}

  // Takes literal if the text goes on with it.
  bool word(std::string_view literal) {
    if (!rest_.starts_with(literal)) return false;
    rest_.remove_prefix(literal.size());
    return true;
  }
  // Takes a run of blanks; false if there was none.
  bool blanks() {
    std::size_t count = 0;
    while (count < rest_.size() && is_blank(rest_[count])) ++count;
    rest_.remove_prefix(count);
    return count > 0;
  }
  // Takes the identifier characters the text goes on with, if any.
  std::string_view identifier() {
    std::size_t count = 0;
    while (count < rest_.size() && is_identifier_char(rest_[count])) ++count;
    const std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return taken;
  }
  // An optional storage class, taken only with the blanks after it.
  void storage_class() {
    for (const std::string_view storage : kStorageClasses) {
      HeaderWords attempt = *this;
      if (attempt.word(storage) && attempt.blanks()) {
        *this = attempt;
        return;
      }
    }
  }
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace wfpack
