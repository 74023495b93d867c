#pragma once

#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "writers/output_file.h"

namespace wfpack {

// "work/gpif" gives "work/gpif_dat.bin".
std::string binary_image_file_name(std::string_view base_name);

// Writes the image byte sequence as raw bytes: 8 + 164 per used bank, with
// no header, bank numbers or checksum.
OutputStatus write_binary_image_file(const GpifImage& image,
                                     std::string_view base_name,
                                     platform::Failure* failure = nullptr);

}  // namespace wfpack
