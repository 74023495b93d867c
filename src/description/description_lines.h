// What the lines of the design tool's description blocks look like: their
// titles, and how a row's words stand in it. Shared by the readers of the
// blocks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "description/descriptions.h"
#include "format/source_format.h"

namespace wfpack::description_lines {

inline constexpr std::string_view kWaveformTitle = "// GPIF Waveform ";
inline constexpr std::string_view kNamesTitle = "// GPIF Wave Names";
inline constexpr std::string_view kInitTitle = "// GPIF Initialization";
inline constexpr std::string_view kBlockEnd = "// END DO NOT EDIT";
inline constexpr std::string_view kRowStart = "// ";
static_assert(kDescriptionTitle.starts_with(kRowStart));

static_assert(kRowLabelAt == kRowStart.size());
inline constexpr std::string_view kHeaderLabel = "Interval";
// A names line: "// CTL 0    = RD#      CMOS", the name in the characters
// after "= ", then a CTL's level word.
inline constexpr std::string_view kNameAssign = "= ";
inline constexpr std::size_t kNameWidth = 9;

inline std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank_or_return(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && is_blank_or_return(text.back()))
    text.remove_suffix(1);
  return text;
}

inline std::string_view column(std::string_view text, std::size_t at,
                               std::size_t width) {
  return at < text.size() ? trimmed(text.substr(at, width)) : "";
}

// Where a column's word begins, counted from the column's start: its
// first character that is no blank, or the start where it has none.
inline std::size_t word_at(std::string_view text, std::size_t at,
                           std::size_t width) {
  for (std::size_t i = 0; i < width && at + i < text.size(); ++i) {
    if (!is_blank_or_return(text[at + i])) return i;
  }
  return 0;
}

// The number a label ends with after prefix, below limit; limit if none.
inline std::size_t numbered(std::string_view label, std::string_view prefix,
                            std::size_t limit) {
  if (label.size() != prefix.size() + 1 || !label.starts_with(prefix) ||
      !is_decimal_digit(label.back())) {
    return limit;
  }
  const auto number = static_cast<std::size_t>(label.back() - '0');
  return number < limit ? number : limit;
}

}  // namespace wfpack::description_lines
