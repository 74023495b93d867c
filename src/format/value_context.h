// What the firmware's compiler makes of a value the reader takes. The
// reader takes every "0x" and its digits on their own, wherever they stand;
// the compiler reads whole tokens and expressions. These rules tell, from
// what stands before a value on its line, where the two part.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "format/source_format.h"

namespace wfpack {

// An operator the compiler computes with: "-" and "~" whatever stands
// before them ("-0x01" is 0xFF, "0x05 - 0x01" one element); the others only
// after an operand, where they join two values into one element
// ("0x05 | 0x01"). A unary "+" changes nothing, and a "/" that ends a
// comment is none.
inline constexpr std::string_view kUnaryOperators = "-~";
inline constexpr std::string_view kBinaryOperators = "+*/%|&^";
// Shifts, whose character is doubled: "<<" and ">>".
inline constexpr std::string_view kShiftOperators = "<>";

namespace detail {

constexpr std::array<bool, 256> make_operator_chars() {
  std::array<bool, 256> chars{};
  for (const std::string_view set :
       {kUnaryOperators, kBinaryOperators, kShiftOperators}) {
    for (const char c : set) chars[static_cast<unsigned char>(c)] = true;
  }
  return chars;
}

inline constexpr auto kOperatorChars = make_operator_chars();

}  // namespace detail

constexpr bool is_operator_char(char c) {
  return detail::kOperatorChars[static_cast<unsigned char>(c)];
}

// What an operand ends with: a number's or a name's last character, or a
// closing bracket.
constexpr bool ends_operand(char c) {
  return is_identifier_char(c) || c == ')' || c == ']';
}

// The last characters of a line before some place in it, each run of
// blanks kept as one blank: as far back as the context of a value reaches.
// It follows a line across the chunks it arrives in.
class LineTail {
 public:
  // A shift after an operand and a blank on each side: "1 << ".
  static constexpr std::size_t kSize = 6;

  // Takes what follows on the line; a line feed in it begins a new
  // line.
  void take(std::string_view more);

  // The characters kept, the last one last; fewer than kSize only where the
  // line began with them.
  std::string_view text() const { return {chars_.data(), size_}; }

 private:
  std::array<char, kSize> chars_{};
  std::size_t size_ = 0;
};

struct ValueContext {
  bool inside_token = false;    // "a0x12", "10x34": the "0" goes on a token
  bool after_operator = false;  // "-0x01", "0x05 | 0x01"
};

// The context of a value whose "0" follows before, a LineTail's text.
ValueContext value_context(std::string_view before);

// Whether a value that begins at first, or after blanks from there, may
// have a context: the character before is part of a token or an operator
// stands before the blanks. Cheaper than value_context, and never false
// where it is not.
bool may_have_context(std::string_view before, char first);

}  // namespace wfpack
