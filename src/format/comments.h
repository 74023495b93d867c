// The one state machine of C comments, as a compiler follows them: "/*"
// opens a comment that the next "*/" closes, across lines; "//" opens one
// that its line ends; "/*/" opens but does not close. The value search
// follows whole windows of it at once where it can, and must agree with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "format/source_format.h"

namespace wfpack {

class Comments {
 public:
  // Takes the two characters at a place where a comment may open or close.
  // Returns how many of them it used: 2 when they open or close one, and
  // then neither may be taken again, 0 otherwise.
  int mark(char first, char second) {
    if (in_ == In::Code && first == kCommentSlash &&
        (second == kCommentStar || second == kCommentSlash)) {
      in_ = second == kCommentStar ? In::SlashStar : In::Line;
      return 2;
    }
    if (in_ == In::SlashStar && first == kCommentStar &&
        second == kCommentSlash) {
      in_ = In::Code;
      return 2;
    }
    return 0;
  }

  // Follows the comments through text: a line, or the start of one.
  void follow(std::string_view text) {
    // Every mark begins or ends with a slash.
    const std::size_t first = text.find(kCommentSlash);
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
  bool inside_slash_star() const { return in_ == In::SlashStar; }

 private:
  enum class In : std::uint8_t { Code, SlashStar, Line };
  In in_ = In::Code;
};

}  // namespace wfpack
