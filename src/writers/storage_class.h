// Where the array goes in the 8051's memories, in the words its C compilers
// use: const (code memory for sdcc; Keil C51 places a const array by its
// memory model and needs code), sdcc's __code and __xdata, Keil's code and
// xdata.
#pragma once

#include <string>
#include <string_view>

namespace wfpack {

bool is_storage_class(std::string_view word);

// The array's declaration up to its brackets, with the storage class where
// both compilers take it: a qualifier before the type ("const u8
// gpif_dat"), a memory after it ("u8 __code gpif_dat"); an empty class
// gives "u8 gpif_dat".
std::string array_declaration(std::string_view storage, std::string_view type,
                              std::string_view name);

}  // namespace wfpack
