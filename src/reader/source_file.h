#pragma once

#include <cstdint>
#include <cstdio>

#include "image/gpif_image.h"

namespace wfpack {

enum class ScanStatus : std::uint8_t { Complete, ReadFailed };

// Reads an open GPIF source to its end into the image, in large blocks, in
// memory that does not grow with the input.
ScanStatus scan_source_file(std::FILE* source, GpifImage& image);

}  // namespace wfpack
