#include "warnings/text_pieces.h"

#include "image/byte_text.h"

namespace wfpack {

std::string counted(std::size_t count, std::string_view noun) {
  return std::to_string(count) + " " + std::string(noun) +
         (count == 1 ? "" : "s");
}

namespace text {

std::string quoted(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  out += text;
  out += '\'';
  return out;
}

std::string quoted(char c) { return quoted(std::string_view(&c, 1)); }

std::string hex(std::uint8_t value) {
  std::string text;
  append_hex(text, value);
  return text;
}

std::string table_of(const Warning& warning) {
  std::string text(table_name(warning.table));
  if (warning.table != TableKind::InitData && warning.bank != kNoBank) {
    text += " bank " + std::to_string(warning.bank);
  }
  return text;
}

std::string were(std::size_t count) { return count == 1 ? " was" : " were"; }
std::string them(std::size_t count) { return count == 1 ? "it" : "them"; }

}  // namespace text
}  // namespace wfpack
