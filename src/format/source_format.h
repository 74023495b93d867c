// The source format: every character, word and size the reader recognises,
// and the predicates over them. Scalar and free of I/O; the scanner, the
// value search's kernels and the warnings all take their rules from here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/gpif_image.h"

namespace wfpack {

// ------------------------------------------------------------------ lines

// A line ends at a line feed. A NUL byte hides the rest of its line, so the
// line's visible part ends at whichever of the two comes first: both are
// line stops. A carriage return is an ordinary character.
inline constexpr char kLineFeed = '\n';
inline constexpr char kHidingNul = '\0';
inline constexpr std::array<char, 2> kLineStops = {kLineFeed, kHidingNul};
constexpr bool is_line_stop(char c) {
  return c == kLineFeed || c == kHidingNul;
}

// The source ends at its first 0x1A byte, as text files from DOS did.
inline constexpr char kEndOfInput = 0x1A;

constexpr bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Within a line, as the compiler reads it, a carriage return is blank too:
// it stands before the line feed in a file with CR LF line ends.
constexpr bool is_blank_or_return(char c) { return is_blank(c) || c == '\r'; }

constexpr bool is_decimal_digit(char c) { return c >= '0' && c <= '9'; }

constexpr bool is_identifier_char(char c) {
  return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         is_decimal_digit(c);
}

// -------------------------------------------- the lines between table bodies

// The design tool writes the IFCONFIG assignment with exactly this
// indentation; firmware that assigns IFCONFIG elsewhere is not read. Its
// value is read from the rest of the line.
inline constexpr std::string_view kIfconfigPrefix = "  IFCONFIG =";
inline constexpr std::string_view kIfconfigName = "IFCONFIG";
inline constexpr char kStatementEnd = ';';
// The "=" of the IFCONFIG line, and of a table header's declarator.
inline constexpr char kAssignment = '=';
// Its indentation, the name, a blank, and the assignment.
inline constexpr std::size_t kIfconfigIndent = 2;
static_assert(kIfconfigPrefix.substr(kIfconfigIndent, kIfconfigName.size()) ==
                  kIfconfigName &&
              kIfconfigPrefix.find_first_not_of(' ') == kIfconfigIndent &&
              kIfconfigPrefix.substr(kIfconfigIndent + kIfconfigName.size()) ==
                  " =" &&
              kIfconfigPrefix.back() == kAssignment);

// A table header: "const", blanks, "char", blanks, a storage class with
// blanks after it if any, then the table's name. InitData's name must be
// followed by its declarator exactly; the others by a bank selector.
inline constexpr std::string_view kHeaderConst = "const";
inline constexpr std::string_view kHeaderChar = "char";
inline constexpr std::array<std::string_view, 2> kStorageClasses = {"xdata",
                                                                    "__xdata"};
inline constexpr std::string_view kInitDataDeclarator = "[7] =";
static_assert(kInitDataSize == 7, "kInitDataDeclarator names the size");
static_assert(kInitDataDeclarator.back() == kAssignment);

enum class TableKind : std::uint8_t { InitData, WaveData, FlowStates };

constexpr std::string_view table_name(TableKind table) {
  switch (table) {
    case TableKind::InitData:
      return "InitData";
    case TableKind::WaveData:
      return "WaveData";
    case TableKind::FlowStates:
      return "FlowStates";
  }
  return {};
}

// The values a table, or one bank of it, holds.
constexpr std::size_t table_size(TableKind table) {
  switch (table) {
    case TableKind::InitData:
      return kInitDataSize;
    case TableKind::WaveData:
      return kWaveBankSize;
    case TableKind::FlowStates:
      return kFlowBankSize;
  }
  return 0;
}

// The bank selector is the character right after a banked table's name:
// "[" names bank 0, a digit from "0" names that bank. Any other character,
// or kNoSelector for a line that ends after the name, names none.
inline constexpr char kFirstBankSelector = '[';
inline constexpr char kNoSelector = '\n';
inline constexpr std::size_t kNoBank = kBankCount;

constexpr std::size_t bank_from_selector(char selector) {
  if (selector == kFirstBankSelector) return 0;
  if (selector >= '0' && selector < static_cast<char>('0' + kBankCount)) {
    return static_cast<std::size_t>(selector - '0');
  }
  return kNoBank;
}

// ---------------------------------------------------------- table bodies

// A line whose first characters are these ends the table body; nothing else
// does, not even the same characters indented.
inline constexpr std::string_view kTableBodyEnd = "};";

// Every lower-case "0x" in a table body starts a value, wherever it stands;
// "0X" starts none. The digits that follow are hexadecimal.
inline constexpr std::string_view kValuePrefix = "0x";

constexpr bool starts_value(char first, char second) {
  return first == kValuePrefix[0] && second == kValuePrefix[1];
}

// Values are set apart by commas, blanks and line ends: every byte below
// kFirstNonBlank is a blank, a line's end or another control character.
inline constexpr char kValueSeparator = ',';
// The brace that opens the values, on its own line or before them, sets
// them apart too.
inline constexpr char kValuesOpen = '{';
inline constexpr char kFirstNonBlank = '!';
static_assert(' ' < kFirstNonBlank && '\t' < kFirstNonBlank &&
              '\r' < kFirstNonBlank && kLineFeed < kFirstNonBlank);

// Hexadecimal digits: decimal ones, and six letters in either case.
inline constexpr char kFirstHexLetter = 'a';
inline constexpr int kHexLetterCount = 6;
inline constexpr char kLetterCaseBit = 0x20;

constexpr bool is_hex_digit(char c) {
  const char lower = static_cast<char>(c | kLetterCaseBit);
  return is_decimal_digit(c) || (lower >= kFirstHexLetter &&
                                 lower < kFirstHexLetter + kHexLetterCount);
}

// The compiler reads "0X" as it reads "0x"; the reader starts no value at
// it, and goes on at the "X".
inline constexpr std::string_view kUpperValuePrefix = "0X";
static_assert(kUpperValuePrefix[0] == kValuePrefix[0] &&
              (kUpperValuePrefix[1] | kLetterCaseBit) == kValuePrefix[1]);

// --------------------------------------------------------------- comments

// "/*" opens a comment that "*/" closes, "//" one that its line ends. Values
// inside them are read all the same; only the warnings follow them.
inline constexpr char kCommentSlash = '/';
inline constexpr char kCommentStar = '*';

constexpr bool may_mark_comment(char c) {
  return c == kCommentSlash || c == kCommentStar;
}

}  // namespace wfpack
