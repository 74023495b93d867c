#include "view/escape.h"

#include <cstdint>

namespace wfpack::view {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the valid UTF-8 sequence at the start of text, or 0.
std::size_t utf8_length(std::string_view text) {
  const auto lead = static_cast<std::uint8_t>(text[0]);
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = code << 6 | (next & 0x3Fu);
  }
  // No overlong form, surrogate or code point past U+10FFFF, and none of
  // U+FFFE and U+FFFF, which XML allows no more than controls.
  const bool valid = (length != 3 || code >= 0x800) &&
                     (length != 4 || (code >= 0x10000 && code <= 0x10FFFF)) &&
                     (code < 0xD800 || code > 0xDFFF) && code != 0xFFFE &&
                     code != 0xFFFF;
  return valid ? length : 0;
}

// Calls put(piece) for each character, each invalid byte and control
// character replaced.
template <class Put>
void each_character(std::string_view text, Put&& put) {
  while (!text.empty()) {
    const std::size_t length = utf8_length(text);
    if (length == 0 || static_cast<std::uint8_t>(text[0]) < 0x20) {
      put(kReplacement);
      text.remove_prefix(length == 0 ? 1 : length);
      continue;
    }
    put(text.substr(0, length));
    text.remove_prefix(length);
  }
}

}  // namespace

void append_xml(std::string& out, std::string_view text) {
  each_character(text, [&out](std::string_view c) {
    switch (c[0]) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  });
}

void append_json(std::string& out, std::string_view text) {
  out += '"';
  each_character(text, [&out](std::string_view c) {
    if (c[0] == '"' || c[0] == '\\') out += '\\';
    out += c;
  });
  out += '"';
}

}  // namespace wfpack::view
