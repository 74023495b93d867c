// The field tables' words, read from bytes and written back into them. A
// word is read back only as the bytes would be said: "Wait 3" but not
// "Wait 03", so that whatever is written reads back the same.
#include "waveform/fields.h"

#include <charconv>

#include "waveform/with_number.h"

namespace wfpack {

namespace {

std::uint8_t& lane(IntervalBytes& bytes, Lane which) {
  return bytes[static_cast<std::size_t>(which)];
}
std::uint8_t lane(const IntervalBytes& bytes, Lane which) {
  return bytes[static_cast<std::size_t>(which)];
}

// The value whose word this is, or words.size() for none.
std::size_t listed(const RowField& field, const Word& word) {
  for (std::size_t value = 0; value < field.words.size(); ++value) {
    if (!field.words[value].empty() && word == field.words[value]) return value;
  }
  // A field whose tool knows a word for its first value only: any other
  // word says it is set.
  if (!field.unknown.empty() && !word.empty()) return 1;
  return field.words.size();
}

}  // namespace

bool numbered_word(const Word& word, std::string_view prefix,
                   unsigned& number) {
  const std::string_view text = word.view();
  if (!text.starts_with(prefix) || text.size() == prefix.size()) return false;
  const char* first = text.data() + prefix.size();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, number);
  return error == std::errc{} && end == last &&
         with_number(prefix, number) == word;
}

bool is_decision(const IntervalBytes& bytes) {
  const RowField& field = row_field(Row::IfWait);
  return field_value(lane(bytes, field.lane), field.low, field.width) != 0;
}

Word row_word(Row row, const IntervalBytes& bytes, const TermNames& terms) {
  const RowField& field = row_field(row);
  if (field.under == Under::Decision && !is_decision(bytes)) return {};
  const std::uint8_t value =
      field_value(lane(bytes, field.lane), field.low, field.width);
  switch (field.wording) {
    case Wording::Listed:
      return field.words[value].empty() ? field.unknown : field.words[value];
    case Wording::WaitOrDecision: {
      if (value != 0) return field.words[1];
      const std::uint8_t length = lane(bytes, Lane::LenBr);
      return with_number(field.words[0], length == 0 ? kLongestWait : length);
    }
    case Wording::Target: {
      constexpr std::uint8_t kIdle = 7;
      return value == kIdle ? Word(field.words[1])
                            : with_number(field.words[0], value);
    }
    case Wording::Term:
      return terms[value];
    case Wording::Number:
      break;
  }
  return with_number("", value);
}

bool same_word(Row row, const Word& a, const Word& b) {
  const RowField& field = row_field(row);
  if (field.unknown.empty()) return a == b;
  return (a == field.words[0]) == (b == field.words[0]);
}

WordFit set_row_word(Row row, const Word& word, const TermNames& terms,
                     IntervalBytes& bytes, IntervalBytes& described) {
  const RowField& field = row_field(row);
  std::uint8_t& byte = lane(bytes, field.lane);
  std::uint8_t& mask = lane(described, field.lane);
  unsigned value = 0;
  switch (field.wording) {
    case Wording::Listed:
      value = static_cast<unsigned>(listed(field, word));
      if (value == field.words.size()) return WordFit::Unknown;
      break;
    case Wording::WaitOrDecision:
      if (word == field.words[1]) {
        value = 1;
        break;
      }
      if (!numbered_word(word, field.words[0], value) || value == 0 ||
          value > kLongestWait) {
        return WordFit::Unknown;
      }
      // Its length is the whole LenBr byte.
      set_field(lane(bytes, Lane::LenBr), lane(described, Lane::LenBr), 0, 8,
                value);
      value = 0;
      break;
    case Wording::Target:
      if (word == field.words[1]) {
        value = 7;
      } else if (!numbered_word(word, field.words[0], value) || value >= 7) {
        return WordFit::Unknown;
      }
      break;
    case Wording::Term: {
      // Where two terms share the name, the byte's term stays if it is one
      // of them.
      const unsigned current = field_value(byte, field.low, field.width);
      std::size_t found = 0;
      for (unsigned term = 0; term < kTermCount; ++term) {
        if (terms[term] != word) continue;
        if (found++ == 0 || term == current) value = term;
      }
      if (found == 0) return WordFit::Unknown;
      if (found > 1 && terms[current] != word) return WordFit::Shared;
      break;
    }
    case Wording::Number:
      if (!numbered_word(word, "", value) ||
          value > field_mask(0, field.width)) {
        return WordFit::Unknown;
      }
      break;
  }
  set_field(byte, mask, field.low, field.width, value);
  return WordFit::Set;
}

Level level_of(std::uint8_t byte, std::size_t ctl, bool tristate) {
  const auto at = static_cast<std::uint8_t>(ctl);
  if (tristate && ctl >= kTristateCtlCount) return Level::None;
  if (tristate && field_value(byte, at + kEnableShift, 1) == 0) {
    return Level::Floating;
  }
  return field_value(byte, at, 1) != 0 ? Level::High : Level::Low;
}

Word level_word(Level level) {
  switch (level) {
    case Level::Low:
      return kLevelWords[0];
    case Level::High:
      return kLevelWords[1];
    case Level::Floating:
      return kLevelWords[2];
    case Level::None:
      break;
  }
  return {};
}

bool set_level(const Word& word, std::size_t ctl, bool tristate,
               std::uint8_t& byte, std::uint8_t& described) {
  const auto at = static_cast<std::uint8_t>(ctl);
  if (tristate && ctl >= kTristateCtlCount) return false;
  for (std::size_t level = 0; level < kLevelWords.size(); ++level) {
    if (word != kLevelWords[level]) continue;
    const bool floating = level == 2;
    if (floating && !tristate) return false;
    if (tristate) {
      set_field(byte, described, at + kEnableShift, 1, floating ? 0 : 1);
    }
    if (!floating)
      set_field(byte, described, at, 1, static_cast<unsigned>(level));
    return true;
  }
  return false;
}

}  // namespace wfpack
