// A byte as every text wfpack writes shows it, C's "0x%02x": the C array
// file, the layout header, the views and the warnings alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wfpack {

// Appends "0x4e" for 0x4E.
inline void append_hex(std::string& out, std::uint8_t byte) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  const char text[] = {'0', 'x', kDigits[byte >> 4], kDigits[byte & 0x0F]};
  out.append(text, sizeof text);
}

}  // namespace wfpack
