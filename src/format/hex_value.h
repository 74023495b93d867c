// Hexadecimal values as the format reads them: the digit of a character, and
// the number C's strtol makes of a run of characters.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "format/source_format.h"

namespace wfpack {

inline constexpr std::uint8_t kNotHexDigit = 0xFF;

// The first number without a sign that a 32-bit long cannot hold: strtol
// reads it, and every larger one, as the largest long.
inline constexpr std::uint32_t kFirstSaturated = 0x80000000u;
inline constexpr std::int32_t kSaturatedValue = INT32_MAX;
static_assert(kFirstSaturated - 1 == static_cast<std::uint32_t>(INT32_MAX));

namespace detail {

constexpr std::array<std::uint8_t, 256> make_hex_digit_table() {
  std::array<std::uint8_t, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto c = static_cast<char>(i);
    const auto lower = static_cast<char>(c | kLetterCaseBit);
    table[i] = !is_hex_digit(c) ? kNotHexDigit
               : c <= '9'
                   ? static_cast<std::uint8_t>(c - '0')
                   : static_cast<std::uint8_t>(lower - kFirstHexLetter + 10);
  }
  return table;
}

inline constexpr auto kHexDigitTable = make_hex_digit_table();

inline constexpr std::string_view kHexDigitChars = "0123456789ABCDEFabcdef";

}  // namespace detail

// A character's hexadecimal digit value, or kNotHexDigit for any other
// character. Inline: the scanner looks up every digit of the source.
inline std::uint8_t hex_digit_value(char c) {
  return detail::kHexDigitTable[static_cast<unsigned char>(c)];
}

namespace detail {

// The low 5 bits of the hexadecimal digits tell them apart, the letters'
// cases alike ('0' to '9' are 16 to 25, 'A' to 'F' and 'a' to 'f' 1 to 6):
// two digits as they lie in memory, each cut to its low 5 bits, index the
// byte they make.
inline constexpr std::uint16_t kDigitBits = 0x1F1F;

constexpr std::size_t digit_pair_index(char first, char second) {
  const auto low = static_cast<std::size_t>(first & 0x1F);
  const auto high = static_cast<std::size_t>(second & 0x1F);
  return std::endian::native == std::endian::little ? low | high << 8
                                                    : high | low << 8;
}

constexpr std::array<std::uint8_t, kDigitBits + 1> make_digit_pair_table() {
  std::array<std::uint8_t, kDigitBits + 1> table{};
  for (const char first : kHexDigitChars) {
    for (const char second : kHexDigitChars) {
      table[digit_pair_index(first, second)] = static_cast<std::uint8_t>(
          kHexDigitTable[static_cast<unsigned char>(first)] << 4 |
          kHexDigitTable[static_cast<unsigned char>(second)]);
    }
  }
  return table;
}

inline constexpr auto kDigitPairTable = make_digit_pair_table();

constexpr bool digit_bits_tell_digits_apart() {
  for (const char first : kHexDigitChars) {
    for (const char second : kHexDigitChars) {
      if ((first & 0x1F) == (second & 0x1F) &&
          kHexDigitTable[static_cast<unsigned char>(first)] !=
              kHexDigitTable[static_cast<unsigned char>(second)]) {
        return false;
      }
    }
  }
  return true;
}
static_assert(digit_bits_tell_digits_apart());

}  // namespace detail

// The byte that the two hexadecimal digits at digits make, which must be
// digits: the value search reads a value's both digits in one lookup.
inline std::uint8_t digit_pair_value(const char* digits) {
  std::uint16_t pair;
  std::memcpy(&pair, digits, sizeof pair);
  return detail::kDigitPairTable[pair & detail::kDigitBits];
}

// Reads a hexadecimal number the way C's strtol does in base 16 with a
// 32-bit long: leading white space, an optional sign, an optional 0x or 0X,
// then hexadecimal digits. Out-of-range values saturate at the 32-bit limits
// whatever the width of the platform's long, so the low byte of a huge value
// is always 0xFF (or 0x00 for a huge negative one).
//
// It is fed one character at a time so that a value can be read across the
// chunks in which the source arrives.
class HexReader {
 public:
  // Starts right after a "0x" that has already been seen.
  static HexReader after_prefix();

  // Takes the next character. Returns false when the character is not part
  // of the value; the value is then complete and the character is left for
  // the caller.
  bool feed(char c);

  // The value read so far, as the complete value would be if the input
  // ended here.
  std::int32_t value() const;

  // Whether the number lies beyond the 32-bit limits, where the value
  // saturates: from kFirstSaturated up, for a number without a sign.
  bool saturates() const;

  // The value's low byte, as it is stored in the image.
  std::uint8_t low_byte() const {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value()));
  }

 private:
  enum class Stage : std::uint8_t { Space, Sign, Zero, Prefix, Digits };

  void add_digit(std::uint8_t digit);

  Stage stage_ = Stage::Space;
  bool negative_ = false;
  bool overflow_ = false;
  bool any_digit_ = false;
  std::uint32_t magnitude_ = 0;
};

}  // namespace wfpack
