#include "reader/source_file.h"

#include <array>

#include "reader/source_scanner.h"

namespace wfpack {

namespace {

// Reading in large blocks keeps the per-byte cost down; the block lives on
// the stack, so memory does not grow with the input.
constexpr std::size_t kReadBlockSize = 64 * 1024;

}  // namespace

ScanStatus scan_source_file(std::FILE* source, GpifImage& image,
                            SourceWarnings& warnings) {
  SourceScanner scanner(image, warnings);
  std::array<char, kReadBlockSize> block;
  for (;;) {
    const std::size_t count = std::fread(block.data(), 1, block.size(), source);
    // After a 0x1A nothing more is read.
    if (count > 0 && !scanner.feed({block.data(), count})) break;
    if (count < block.size()) {
      if (std::ferror(source)) return ScanStatus::ReadFailed;
      break;
    }
  }
  scanner.finish();
  return ScanStatus::Complete;
}

}  // namespace wfpack
