// Feeds a source to the scanner in blocks of a given size, each block in an
// allocation of exactly its size, as a read block ends where its buffer
// does: the address sanitizer then catches any look past a block's end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>

#include "image/gpif_image.h"
#include "reader/source_scanner.h"

namespace wfpack::testing_support {

inline void scan_in_blocks(std::string_view input, std::size_t block,
                           GpifImage& image, SourceWarnings& warnings) {
  SourceScanner scanner(image, warnings);
  // One buffer reused for the full blocks, one for the last.
  const auto full_block = std::make_unique<char[]>(block);
  for (std::size_t at = 0; at < input.size(); at += block) {
    const std::string_view part = input.substr(at, block);
    std::unique_ptr<char[]> last;
    char* buffer = full_block.get();
    if (part.size() < block) {
      last = std::make_unique<char[]>(part.size());
      buffer = last.get();
    }
    std::copy(part.begin(), part.end(), buffer);
    if (!scanner.feed({buffer, part.size()})) break;
  }
  scanner.finish();
}

inline void scan_in_blocks(std::string_view input, std::size_t block,
                           GpifImage& image) {
  SourceWarnings warnings;
  scan_in_blocks(input, block, image, warnings);
}

}  // namespace wfpack::testing_support
