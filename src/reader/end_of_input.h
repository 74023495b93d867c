// A source ends at its first 0x1A byte, as text files from DOS did: nothing
// after it is read.
#pragma once

#include <cstring>
#include <string_view>

namespace wfpack {

inline constexpr char kEndOfInput = 0x1A;

// The part of block before the end of the input, and whether the input
// ends in it.
struct InputPart {
  std::string_view text;
  bool ends_input = false;
};

inline InputPart input_part(std::string_view block) {
  if (block.empty()) return {};
  const void* stop = std::memchr(block.data(), kEndOfInput, block.size());
  if (stop == nullptr) return {block, false};
  return {block.substr(0, static_cast<std::size_t>(
                              static_cast<const char*>(stop) - block.data())),
          true};
}

}  // namespace wfpack
