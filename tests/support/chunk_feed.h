// Feeds a source to the scanner in chunks of a given size, each chunk in an
// allocation of exactly its size, as a read chunk ends where its buffer
// does: the address sanitizer then catches any look past a chunk's end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>

#include "image/gpif_image.h"
#include "reader/source_scanner.h"

namespace wfpack::testing_support {

inline void scan_in_chunks(std::string_view input, std::size_t chunk,
                           Kernel kernel, GpifImage& image,
                           Descriptions& descriptions,
                           SourceWarnings& warnings) {
  SourceScanner scanner(image, descriptions, warnings, kernel);
  // One buffer reused for the full chunks, one for the last.
  const auto full_chunk = std::make_unique<char[]>(chunk);
  for (std::size_t at = 0; at < input.size(); at += chunk) {
    const std::string_view part = input.substr(at, chunk);
    std::unique_ptr<char[]> last;
    char* buffer = full_chunk.get();
    if (part.size() < chunk) {
      last = std::make_unique<char[]>(part.size());
      buffer = last.get();
    }
    std::copy(part.begin(), part.end(), buffer);
    if (!scanner.feed({buffer, part.size()})) break;
  }
  scanner.finish();
}

inline void scan_in_chunks(std::string_view input, std::size_t chunk,
                           Kernel kernel, GpifImage& image,
                           SourceWarnings& warnings) {
  Descriptions descriptions;
  scan_in_chunks(input, chunk, kernel, image, descriptions, warnings);
}

}  // namespace wfpack::testing_support
