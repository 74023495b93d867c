// A deliberately plain model of how a source fills the image: the whole
// input in memory, split into lines, every rule applied in the most direct
// way. The scanner must give the same image for every input; tests and the
// fuzz target compare the two.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "image/gpif_image.h"

namespace wfpack::reference {

inline bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

inline int digit_of(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// strtol in base 16 with a 32-bit long; returns the low byte of the result.
inline std::uint8_t strtol_low_byte(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_space(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i + 1 < text.size() && text[i] == '0' &&
      (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    i += 2;
  }
  std::uint64_t magnitude = 0;
  bool any = false;
  for (; i < text.size() && digit_of(text[i]) >= 0; ++i) {
    any = true;
    magnitude = magnitude * 16 + static_cast<std::uint64_t>(digit_of(text[i]));
    if (magnitude > 0xFFFFFFFFu) magnitude = 0x100000000u;  // saturate
  }
  if (!any) return 0;
  std::int64_t value;
  if (negative) {
    value = magnitude > 0x80000000u ? -0x80000000LL
                                    : -static_cast<std::int64_t>(magnitude);
  } else {
    value = magnitude > 0x7FFFFFFFu ? 0x7FFFFFFFLL
                                    : static_cast<std::int64_t>(magnitude);
  }
  return static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) & 0xFF);
}

inline bool take(std::string_view line, std::size_t& at,
                 std::string_view word) {
  if (line.substr(at, word.size()) != word) return false;
  at += word.size();
  return true;
}

inline bool take_blanks(std::string_view line, std::size_t& at) {
  const std::size_t start = at;
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  return at > start;
}

struct Body {
  bool open = false;
  std::uint8_t* table = nullptr;
  std::size_t next = 0;
  std::size_t size = 0;
};

// Opens a table body if the line is a table header.
inline void try_header(std::string_view line, GpifImage& image, Body& body) {
  std::size_t at = 0;
  if (!take(line, at, "const") || !take_blanks(line, at) ||
      !take(line, at, "char") || !take_blanks(line, at)) {
    return;
  }
  std::size_t storage_end = at;
  if ((take(line, storage_end, "xdata") ||
       take(line, storage_end, "__xdata")) &&
      take_blanks(line, storage_end)) {
    at = storage_end;
  }
  const bool init = line.substr(at).starts_with("InitData[7] =");
  const bool wave = line.substr(at).starts_with("WaveData");
  const bool flow = line.substr(at).starts_with("FlowStates");
  if (!init && !wave && !flow) return;
  body = Body{true, nullptr, 0, 0};
  if (init) {
    body = Body{true, image.InitData.data(), 0, image.InitData.size()};
    return;
  }
  const std::size_t selector_at = at + (wave ? 8 : 10);
  int bank = -1;
  if (selector_at < line.size()) {
    const char selector = line[selector_at];
    if (selector == '[') bank = 0;
    if (selector >= '0' && selector <= '7') bank = selector - '0';
  }
  if (bank < 0) return;  // a body that stores nothing
  const auto b = static_cast<std::size_t>(bank);
  if (wave) {
    image.BankUsed[b] = true;
    body = Body{true, image.WaveData.data(), b * 128, image.WaveData.size()};
  } else {
    body = Body{true, image.FlowStates.data(), b * 36, image.FlowStates.size()};
  }
}

inline void scan_values(std::string_view line, Body& body) {
  std::size_t at = 0;
  while (at < line.size()) {
    if (line[at] == '0' && at + 1 < line.size() && line[at + 1] == 'x') {
      std::size_t end = at + 2;
      std::uint64_t magnitude = 0;
      while (end < line.size() && digit_of(line[end]) >= 0) {
        magnitude =
            magnitude * 16 + static_cast<std::uint64_t>(digit_of(line[end]));
        if (magnitude > 0xFFFFFFFFu) magnitude = 0x100000000u;
        ++end;
      }
      const std::uint8_t byte =
          magnitude > 0x7FFFFFFFu ? 0xFF : static_cast<std::uint8_t>(magnitude);
      if (body.table != nullptr && body.next < body.size) {
        body.table[body.next] = byte;
      }
      ++body.next;
      if (end > at + 2) at = end;  // without digits the position stays
    }
    ++at;
  }
}

inline GpifImage scan(std::string_view input) {
  GpifImage image;
  input = input.substr(0, input.find('\x1a'));
  Body body;
  while (!input.empty()) {
    const std::size_t line_feed = input.find('\n');
    std::string line(input.substr(0, line_feed));
    input = line_feed == std::string_view::npos ? std::string_view{}
                                                : input.substr(line_feed + 1);
    // CR LF reads as LF.
    if (line_feed != std::string_view::npos && !line.empty() &&
        line.back() == '\r') {
      line.pop_back();
    }
    // A NUL hides the rest of its line.
    const std::string_view visible =
        std::string_view(line).substr(0, line.find('\0'));
    if (body.open) {
      if (visible.starts_with("};")) {
        body = Body{};
      } else {
        scan_values(visible, body);
      }
    } else if (visible.starts_with("  IFCONFIG =")) {
      image.IfConfig = strtol_low_byte(visible.substr(12));
    } else {
      try_header(visible, image, body);
    }
  }
  return image;
}

}  // namespace wfpack::reference
