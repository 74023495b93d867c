#include "format/hex_value.h"

namespace wfpack {

namespace {

bool is_c_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

constexpr std::uint32_t kLongMax = kFirstSaturated - 1;
constexpr std::uint32_t kLongMinMagnitude = kFirstSaturated;

}  // namespace

void HexReader::add_digit(std::uint8_t digit) {
  overflow_ = overflow_ || magnitude_ > 0x0FFFFFFFu;
  magnitude_ = (magnitude_ << 4) | digit;
  any_digit_ = true;
  stage_ = Stage::Digits;
}

HexReader HexReader::after_prefix() {
  HexReader reader;
  reader.stage_ = Stage::Prefix;
  return reader;
}

bool HexReader::feed(char c) {
  const std::uint8_t digit = hex_digit_value(c);
  switch (stage_) {
    case Stage::Space:
      if (is_c_space(c)) return true;
      if (c == '+' || c == '-') {
        negative_ = c == '-';
        stage_ = Stage::Sign;
        return true;
      }
      break;
    case Stage::Sign:
      break;
    case Stage::Zero:
      // A leading "0" is a digit unless an x turns it into the prefix.
      if (c == 'x' || c == 'X') {
        any_digit_ = false;
        stage_ = Stage::Prefix;
        return true;
      }
      [[fallthrough]];
    case Stage::Prefix:
    case Stage::Digits:
      if (digit == kNotHexDigit) return false;
      add_digit(digit);
      return true;
  }
  // At the start of the number, after any space and sign.
  if (c == '0') {
    any_digit_ = true;
    stage_ = Stage::Zero;
    return true;
  }
  if (digit == kNotHexDigit) return false;
  add_digit(digit);
  return true;
}

bool HexReader::saturates() const {
  return any_digit_ &&
         (overflow_ || magnitude_ > (negative_ ? kLongMinMagnitude : kLongMax));
}

std::int32_t HexReader::value() const {
  if (!any_digit_) return 0;
  if (negative_) {
    if (overflow_ || magnitude_ >= kLongMinMagnitude) return INT32_MIN;
    return -static_cast<std::int32_t>(magnitude_);
  }
  if (overflow_ || magnitude_ > kLongMax) return INT32_MAX;
  return static_cast<std::int32_t>(magnitude_);
}

}  // namespace wfpack
