#include "format/value_context.h"

namespace wfpack {

namespace {

constexpr bool is_in(std::string_view set, char c) {
  return set.find(c) != std::string_view::npos;
}

// The character of text before at, past a blank if one stands there, and
// at moved onto it; 0 if there is none.
constexpr char before_blank(std::string_view text, std::size_t& at) {
  if (at > 0 && text[at - 1] == ' ') --at;
  return at > 0 ? text[--at] : '\0';
}

}  // namespace

void LineTail::take(std::string_view more) {
  // The last characters of more, back to its last line feed, gathered from
  // its end.
  std::array<char, kSize> last{};
  std::size_t count = 0;
  bool line_began = false;
  for (std::size_t at = more.size(); at > 0 && count < kSize;) {
    const char c = more[--at];
    if (c == kLineFeed) {
      line_began = true;
      break;
    }
    const char kept = is_blank_or_return(c) ? ' ' : c;
    if (kept == ' ' && count > 0 && last[count - 1] == ' ') continue;
    last[count++] = kept;
  }
  // What the line held before, where more is too short to tell.
  std::array<char, 2 * kSize> line{};
  std::size_t size = 0;
  if (!line_began && count < kSize) {
    for (const char c : text()) line[size++] = c;
  }
  while (count > 0) {
    const char c = last[--count];
    if (c == ' ' && size > 0 && line[size - 1] == ' ') continue;
    line[size++] = c;
  }
  const std::size_t from = size > kSize ? size - kSize : 0;
  size_ = size - from;
  for (std::size_t i = 0; i < size_; ++i) chars_[i] = line[from + i];
}

ValueContext value_context(std::string_view before) {
  ValueContext context;
  if (before.empty()) return context;
  context.inside_token = is_identifier_char(before.back());
  std::size_t at = before.size();
  const char op = before_blank(before, at);
  if (is_in(kUnaryOperators, op)) {
    context.after_operator = true;
    return context;
  }
  if (is_in(kShiftOperators, op)) {
    if (at == 0 || before[at - 1] != op) return context;
    --at;
  } else if (!is_in(kBinaryOperators, op)) {
    return context;
  }
  // A binary operator needs an operand before it: after a comma, a bracket
  // or nothing it is unary, or no operator at all ("*/").
  context.after_operator = ends_operand(before_blank(before, at));
  return context;
}

bool may_have_context(std::string_view before, char first) {
  if (before.empty()) return false;
  if (first == kValuePrefix[0] && is_identifier_char(before.back())) {
    return true;
  }
  std::size_t at = before.size();
  return is_operator_char(before_blank(before, at));
}

}  // namespace wfpack
