// What a line is, decided from its first characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/gpif_image.h"

namespace wfpack {

enum class TableKind : std::uint8_t { InitData, WaveData, FlowStates };

enum class LineKind : std::uint8_t {
  Other,     // nothing the image is read from
  Ifconfig,  // "  IFCONFIG =", its value from kIfconfigValueOffset on
  Header,    // a table header: the table and, but for InitData, a selector
};

inline constexpr std::size_t kIfconfigValueOffset = 12;

// The selector of a header whose line ends right after the table's name.
inline constexpr char kNoSelector = '\n';

struct LineStart {
  LineKind kind = LineKind::Other;
  TableKind table = TableKind::InitData;
  char selector = kNoSelector;
  std::size_t name_at = 0;  // where a header's table name begins
};

// The first characters of a line, gathered as they arrive, however the
// source is cut into blocks. Runs of blanks and tabs longer than three are
// cut to their first three characters: a header may have any run of them
// between its words, while the IFCONFIG line needs exactly two blanks in
// front, so a bounded buffer is enough to tell every line beginning apart.
class LinePrefix {
 public:
  static constexpr std::size_t kCapacity = 128;

  void clear() {
    size_ = 0;
    blank_run_ = 0;
    complete_ = false;
    line_ended_ = false;
  }

  // Takes the line's characters from p until the prefix is full, or the
  // line's visible part ends at a line feed or NUL (neither is taken), or
  // end. Returns where it stopped.
  const char* take(const char* p, const char* end);

  // The line's visible part ended within the prefix, at or before end.
  void end_line() {
    complete_ = true;
    line_ended_ = true;
  }

  // Nothing the line holds beyond the prefix can change what it is.
  bool complete() const { return complete_; }
  bool empty() const { return size_ == 0 && !complete_; }
  bool line_ended() const { return line_ended_; }
  std::string_view text() const { return {text_, size_}; }

 private:
  char text_[kCapacity];
  std::size_t size_ = 0;
  std::size_t blank_run_ = 0;
  bool complete_ = false;
  bool line_ended_ = false;
};

// Between blocks, only a line that begins with one of these characters can
// be anything but Other, or declare a table that is not read; every other
// line is passed over unread.
inline bool may_begin_something(char first) {
  return first == ' ' || first == '\t' || first == '_' ||
         (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
}

// The IFCONFIG line or a table header, from the line's prefix as LinePrefix
// gathers it.
LineStart classify_line(std::string_view prefix);

// The bank a selector names: "[" and "0" to "7" name banks 0 to 7; any
// other character names none and gives kNoBank.
inline constexpr std::size_t kNoBank = kBankCount;
std::size_t bank_from_selector(char selector);

// Inside a block, a line whose first two characters are "};" ends it. Only
// the first two characters are looked at, and only a line that begins with
// kBlockEndStart can end a block.
inline constexpr std::size_t kBlockEndLength = 2;
inline constexpr char kBlockEndStart = '}';
inline bool ends_block(std::string_view first_characters) {
  return first_characters.starts_with("};");
}

}  // namespace wfpack
