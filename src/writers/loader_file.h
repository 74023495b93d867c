// The loader file: C functions that copy the image into the chip's GPIF
// registers and waveform memory, for firmware built by sdcc or Keil C51.
#pragma once

#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "writers/output_file.h"

namespace wfpack {

// "work/gpif" gives "work/gpif_load.c".
std::string loader_file_name(std::string_view base_name);

// The lines the layout header declares the loader's two functions with,
// named after the array: ARRAY_load(bank) and ARRAY_load_flowstate(bank,
// waveform). Lines end as in the C array file.
std::string loader_declarations(std::string_view array_name);

// The loader's C source, which includes the layout header by its file name
// header_name and reads the array through the header's declaration, and so
// through its storage class. It finds a bank's tables with the header's
// macros, for the banks the image holds. Its register names are its own
// (static), and each compiler's way of placing them at an XDATA address is
// chosen by the compiler's predefined macros; any other compiler stops at
// an #error. Lines end as in the C array file.
std::string render_loader(const GpifImage& image, std::string_view array_name,
                          std::string_view header_name);

// Writes render_loader's text to the file loader_file_name names.
OutputStatus write_loader_file(const GpifImage& image,
                               std::string_view base_name,
                               std::string_view array_name,
                               std::string_view header_name,
                               platform::Failure* failure = nullptr);

}  // namespace wfpack
