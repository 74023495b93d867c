#include "reader/source_file.h"

#include <array>

#include "reader/source_scanner.h"

namespace wfpack {

namespace {

// Reading in large chunks keeps the per-byte cost down; the chunk lives on
// the stack, so memory does not grow with the input.
constexpr std::size_t kChunkSize = 64 * 1024;

}  // namespace

ScanStatus scan_source_file(std::FILE* source, GpifImage& image,
                            Descriptions& descriptions,
                            SourceWarnings& warnings) {
  SourceScanner scanner(image, descriptions, warnings, best_kernel());
  // Chunks are read straight into the buffer here: the stream needs none.
  std::setvbuf(source, nullptr, _IONBF, 0);
  // On a cache line's start, so that no window of the value search
  // straddles two lines more often than it must.
  alignas(64) std::array<char, kChunkSize> chunk;
  for (;;) {
    const std::size_t count = std::fread(chunk.data(), 1, chunk.size(), source);
    // After a 0x1A nothing more is read.
    if (count > 0 && !scanner.feed({chunk.data(), count})) break;
    if (count < chunk.size()) {
      if (std::ferror(source)) return ScanStatus::ReadFailed;
      break;
    }
  }
  scanner.finish();
  return ScanStatus::Complete;
}

void scan_source_text(std::string_view text, GpifImage& image,
                      Descriptions& descriptions, SourceWarnings& warnings) {
  SourceScanner scanner(image, descriptions, warnings, best_kernel());
  if (!text.empty()) scanner.feed(text);
  scanner.finish();
}

bool read_whole_file(std::FILE* file, std::string& text) {
  std::array<char, kChunkSize> chunk;
  for (;;) {
    const std::size_t count = std::fread(chunk.data(), 1, chunk.size(), file);
    text.append(chunk.data(), count);
    if (count < chunk.size()) return std::ferror(file) == 0;
  }
}

}  // namespace wfpack
