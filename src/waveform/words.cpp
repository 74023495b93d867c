// The design tool's words for a decoded waveform, from the field tables.
#include "waveform/waveform.h"

namespace wfpack {

Word function_word(std::uint8_t function) {
  return row_field(Row::LFunc).words[function & 3];
}

std::string logic_text(const Waveform& waveform, const Logic& logic) {
  const std::string_view a = waveform.term_names[logic.term_a].view();
  const std::string_view b = waveform.term_names[logic.term_b].view();
  std::string text;
  text.reserve(a.size() + b.size() + 8);
  // The design tool's word for function 3 is "!A AND B".
  constexpr std::uint8_t kNotAAndB = 3;
  if (logic.function == kNotAAndB) text += '!';
  text += a;
  text += ' ';
  text += logic.function == kNotAAndB ? std::string_view("AND")
                                      : function_word(logic.function).view();
  text += ' ';
  text += b;
  return text;
}

Word cell(const Waveform& waveform, Row row, std::size_t interval) {
  return row_word(row, waveform.intervals[interval].bytes, waveform.term_names);
}

}  // namespace wfpack
