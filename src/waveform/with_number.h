// A word and a number: "CTL" and 3 give "CTL3", "Wait " and 256 give
// "Wait 256". For the decode's words only.
#pragma once

#include <charconv>
#include <string_view>

#include "waveform/word.h"

namespace wfpack {

inline Word with_number(std::string_view prefix, unsigned number) {
  std::array<char, Word::kCapacity> text{};
  const auto end = std::copy(prefix.begin(), prefix.end(), text.begin());
  const auto stop = std::to_chars(end, text.data() + text.size(), number).ptr;
  return std::string_view(text.data(),
                          static_cast<std::size_t>(stop - text.data()));
}

}  // namespace wfpack
