#pragma once

#include <cstdint>
#include <cstdio>

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

}  // namespace wfpack
