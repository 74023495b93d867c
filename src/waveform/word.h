// A word of the design tool's tables: a cell, a label or a name, at most
// nine characters as the tool writes them, held in a fixed record so that
// descriptions and decodes need no allocation.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wfpack {

class Word {
 public:
  // A column of the design tool's layout is ten characters wide, one of
  // them a blank between columns; a longer word is cut.
  static constexpr std::size_t kCapacity = 10;

  constexpr Word() = default;
  constexpr Word(std::string_view text)  // NOLINT: words are written as text
      : size_(static_cast<std::uint8_t>(std::min(text.size(), kCapacity))) {
    std::copy_n(text.begin(), size_, chars_.begin());
  }
  constexpr Word(const char* text)  // NOLINT: as above
      : Word(std::string_view(text)) {}

  constexpr std::string_view view() const { return {chars_.data(), size_}; }
  constexpr bool empty() const { return size_ == 0; }
  friend constexpr bool operator==(const Word& a, const Word& b) {
    return a.view() == b.view();
  }

 private:
  std::array<char, kCapacity> chars_{};
  std::uint8_t size_ = 0;
};

}  // namespace wfpack
