#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "writers/output_file.h"

namespace wfpack {

// "work/gpif" gives "work/gpif_dat.h".
std::string layout_header_file_name(std::string_view base_name);

// What the header's macros are named after: the array's name in capitals,
// "GPIF_DAT" for "gpif_dat".
std::string layout_macro_prefix(std::string_view array_name);

// The names, after the prefix and "_", of the macros that give where a used
// bank's tables lie: "BANK2_WAVEDATA" and "BANK2_FLOWSTATES" for bank 2.
struct BankMacros {
  std::string wave_data;
  std::string flow_states;
};
BankMacros bank_macros(std::size_t bank);

// The C header through which firmware finds its way in the image, ARRAY
// being the array's name in capitals: the array's extern declaration with
// its storage class and size; ARRAY_SIZE, the offsets ARRAY_IFCONFIG and
// ARRAY_INITDATA, the table sizes ARRAY_WAVEDATA_SIZE and
// ARRAY_FLOWSTATES_SIZE; ARRAY_BANKS, bit k for a used bank k, and for each
// used bank ARRAY_BANKk_WAVEDATA and ARRAY_BANKk_FLOWSTATES, the offsets of
// its tables. A comment names the source it was made from. Plain C for
// sdcc, Keil C51 and gcc alike, of unsigned char rather than u8 so that it
// can be included beside the C array file, with its lines ended as there.
// With loader, it also declares the two functions of the loader file.
std::string render_layout_header(const GpifImage& image,
                                 std::string_view array_name,
                                 std::string_view storage,
                                 std::string_view source_name,
                                 bool loader = false);

// Writes render_layout_header's text to the file layout_header_file_name
// names.
OutputStatus write_layout_header_file(const GpifImage& image,
                                      std::string_view base_name,
                                      std::string_view array_name,
                                      std::string_view storage,
                                      std::string_view source_name, bool loader,
                                      platform::Failure* failure = nullptr);

}  // namespace wfpack
