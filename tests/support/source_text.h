// Sources built for the reader's tests, and the image they give.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "image/gpif_image.h"
#include "support/block_feed.h"

namespace wfpack::testing_support {

using Bytes = std::vector<std::uint8_t>;

inline const std::string kWave0 = "const char xdata WaveData[128] =\n";
inline const std::string kInit = "const char xdata InitData[7] =\n";

inline GpifImage scanned_in_blocks(std::string_view text,
                                   std::size_t block_size) {
  GpifImage image;
  scan_in_blocks(text, block_size, image);
  return image;
}

// The whole source in one block.
inline GpifImage scanned(std::string_view text) {
  return scanned_in_blocks(text, text.size() + 1);
}

inline std::string values(std::size_t count, std::size_t first = 1,
                          std::size_t per_line = 8) {
  std::string line;
  char text[8];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "0x%02X,",
                  static_cast<unsigned>((first + i) & 0xFF));
    line += text;
    if (i % per_line == per_line - 1) line += '\n';
  }
  return line + "\n";
}

inline Bytes counting(std::size_t count, std::size_t first = 1) {
  Bytes out;
  for (std::size_t i = 0; i < count; ++i) {
    out.push_back(static_cast<std::uint8_t>(first + i));
  }
  return out;
}

}  // namespace wfpack::testing_support
