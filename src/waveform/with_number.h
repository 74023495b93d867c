// A word and a number: "CTL" and 3 give "CTL3", "Wait " and 256 give
// "Wait 256". For the decode's words only.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

#include "waveform/word.h"

namespace wfpack {

// As much of the two as a Word holds.
inline Word with_number(std::string_view prefix, unsigned number) {
  std::array<char, Word::kCapacity> text{};
  const std::size_t size = std::min(prefix.size(), text.size());
  const auto end = std::copy_n(prefix.begin(), size, text.begin());
  const auto stop = std::to_chars(end, text.data() + text.size(), number).ptr;
  return std::string_view(text.data(),
                          static_cast<std::size_t>(stop - text.data()));
}

}  // namespace wfpack
