#include "reader/source_file.h"

#include "reader/read_ahead.h"
#include "reader/source_scanner.h"

namespace wfpack {

ScanStatus scan_source_file(std::FILE* source, GpifImage& image,
                            SourceWarnings& warnings) {
  SourceScanner scanner(image, warnings);
  ReadAhead reader(source);
  for (std::string_view block = reader.next(); !block.empty();
       block = reader.next()) {
    scanner.feed_text(block);
  }
  if (reader.failed()) return ScanStatus::ReadFailed;
  scanner.finish();
  return ScanStatus::Complete;
}

}  // namespace wfpack
