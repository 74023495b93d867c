// Whether the text of a block stands inside a C comment. Values inside
// comments are read all the same, as the format says, but the firmware's
// compiler never sees them, so the reader tells the user.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wfpack {

class Comments {
 public:
  // A character that may open or close a comment together with the next.
  static bool may_mark(char c) { return c == '/' || c == '*'; }

  // Takes the two characters at a place where a comment may open or close.
  // Returns how many of them it used: 2 when they open or close one, and
  // then neither may be taken again ("/*/" opens but does not close).
  int mark(char first, char second) {
    if (in_ == In::Code && first == '/' && (second == '*' || second == '/')) {
      in_ = second == '*' ? In::Block : In::Line;
      return 2;
    }
    if (in_ == In::Block && first == '*' && second == '/') {
      in_ = In::Code;
      return 2;
    }
    return 0;
  }

  // Follows the comments through text, a line or the start of one.
  void follow(std::string_view text) {
    // Every mark begins or ends with a "/".
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos) return;
    for (std::size_t i = first > 0 ? first - 1 : 0; i + 1 < text.size(); ++i) {
      if (mark(text[i], text[i + 1]) != 0) ++i;
    }
  }

  // A "//" comment ends with its line; a "/* */" one goes on.
  void end_line() {
    if (in_ == In::Line) in_ = In::Code;
  }

  bool inside() const { return in_ != In::Code; }
  bool in_block() const { return in_ == In::Block; }
  void reset() { in_ = In::Code; }

 private:
  enum class In : std::uint8_t { Code, Block, Line };
  In in_ = In::Code;
};

}  // namespace wfpack
