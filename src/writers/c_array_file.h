#pragma once

#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "writers/output_file.h"

namespace wfpack {

// The C files wfpack writes end their lines so on every platform.
inline constexpr std::string_view kCLineEnd = "\r\n";

// "work/gpif" gives "work/gpif_dat.c".
std::string c_array_file_name(std::string_view base_name);

// The array is named after the base name's file name (its directory part
// left off by the caller), made a valid C identifier: every character other
// than an ASCII letter, digit or underscore becomes "_", a leading digit
// gets "_" in front, and "_dat" follows. "gpif" gives "gpif_dat", "1st"
// gives "_1st_dat".
std::string c_array_name(std::string_view file_name);

// The C source that declares the image as an array of u8, of the storage
// class given (none when empty), with its IFCONFIG and InitData comments
// and a heading before each bank. Lines end with CR LF on every platform.
std::string render_c_array(const GpifImage& image, std::string_view array_name,
                           std::string_view storage = {});

// Writes render_c_array's text to the file c_array_file_name names.
OutputStatus write_c_array_file(const GpifImage& image,
                                std::string_view base_name,
                                std::string_view array_name,
                                std::string_view storage = {},
                                platform::Failure* failure = nullptr);

}  // namespace wfpack
