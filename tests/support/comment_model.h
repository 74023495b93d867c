// A deliberately plain model of which values stand inside C comments, for a
// source with one table body: the whole input split into lines, comments
// followed character by character as a C compiler does ("/*" to "*/" across
// lines, "//" to the end of its line, "/*/" opens but does not close), and
// values found by the reference rule. The scanner's ValuesInComment
// warnings must say the same.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "support/reference_scan.h"

namespace wfpack::comment_model {

struct LineCount {
  std::size_t line;   // from 1
  std::size_t count;  // values whose "0x" stands inside a comment
  bool operator==(const LineCount&) const = default;
};

// Where comments open and close on one line, given whether one is open at
// its start; tells for each character whether it is inside a comment.
class CommentState {
 public:
  std::vector<bool> follow(std::string_view line) {
    std::vector<bool> inside(line.size(), false);
    for (std::size_t at = 0; at < line.size(); ++at) {
      const char next = at + 1 < line.size() ? line[at + 1] : '\0';
      if (in_line_) {
        inside[at] = true;
      } else if (in_slash_star_) {
        inside[at] = true;
        if (line[at] == '*' && next == '/') {
          inside[at + 1] = true;
          in_slash_star_ = false;
          ++at;
        }
      } else if (line[at] == '/' && (next == '*' || next == '/')) {
        inside[at] = inside[at + 1] = true;
        (next == '*' ? in_slash_star_ : in_line_) = true;
        ++at;
      }
    }
    in_line_ = false;
    return inside;
  }

 private:
  bool in_slash_star_ = false;
  bool in_line_ = false;
};

// Where the reference rule finds values on a line: every "0x", its digits
// consumed, the character after them passed over.
inline std::vector<std::size_t> value_starts(std::string_view line) {
  std::vector<std::size_t> starts;
  std::size_t at = 0;
  while (at < line.size()) {
    if (line[at] == '0' && at + 1 < line.size() && line[at + 1] == 'x') {
      starts.push_back(at);
      std::size_t end = at + 2;
      while (end < line.size() && reference::digit_of(line[end]) >= 0) ++end;
      if (end > at + 2) at = end;
    }
    ++at;
  }
  return starts;
}

// The lines of the body after the first table header, up to the line that
// begins with "};", with values inside comments.
inline std::vector<LineCount> values_in_comments(std::string_view input) {
  std::vector<LineCount> counts;
  GpifImage scratch;
  reference::Body header;
  bool in_body = false;
  CommentState comments;
  for (std::size_t number = 1; !input.empty(); ++number) {
    const std::size_t line_feed = input.find('\n');
    std::string_view line = input.substr(0, line_feed);
    input = line_feed == std::string_view::npos ? std::string_view{}
                                                : input.substr(line_feed + 1);
    if (line_feed != std::string_view::npos && line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (!in_body) {
      reference::try_header(line, scratch, header);
      in_body = header.open;
      continue;
    }
    if (line.starts_with("};")) break;
    const std::vector<bool> inside = comments.follow(line);
    std::size_t count = 0;
    for (const std::size_t start : value_starts(line)) {
      if (inside[start]) ++count;
    }
    if (count != 0) counts.push_back({number, count});
  }
  return counts;
}

}  // namespace wfpack::comment_model
