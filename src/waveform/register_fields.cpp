// The registers' fields read from their bytes, and their words written
// back, as the waveform tables' fields are.
#include "waveform/register_fields.h"

#include "waveform/with_number.h"

namespace wfpack {

std::uint8_t register_value(const RegisterField& field, std::uint8_t byte) {
  return field_value(byte, field.low, field.width);
}

Word register_word(const RegisterField& field, std::uint8_t byte) {
  const std::uint8_t value = register_value(field, byte);
  if (field.wording == Wording::Number) return with_number("", value);
  return field.words[value];
}

bool set_register_word(const RegisterField& field, const Word& word,
                       std::uint8_t& byte, std::uint8_t& described) {
  unsigned value = 0;
  if (field.wording == Wording::Number) {
    if (!numbered_word(word, "", value) || value > field_mask(0, field.width)) {
      return false;
    }
  } else {
    while (value < field.words.size() &&
           (field.words[value].empty() || word != field.words[value])) {
      ++value;
    }
    if (value == field.words.size()) return false;
  }
  set_field(byte, described, field.low, field.width, value);
  return true;
}

}  // namespace wfpack
