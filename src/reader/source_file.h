#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "warnings/source_warnings.h"

namespace wfpack {

enum class ScanStatus : std::uint8_t { Complete, ReadFailed };

// Reads an open GPIF source to its end into the image, in large chunks, in
// memory that does not grow with the input, and gathers the warnings about
// it, and the design tool's descriptions of the tables.
ScanStatus scan_source_file(std::FILE* source, GpifImage& image,
                            Descriptions& descriptions,
                            SourceWarnings& warnings);

// The same for a source read whole already, which an update rewrites.
void scan_source_text(std::string_view text, GpifImage& image,
                      Descriptions& descriptions, SourceWarnings& warnings);

// Reads an open file whole into text; false when reading fails.
bool read_whole_file(std::FILE* file, std::string& text);

}  // namespace wfpack
