// The pieces every warning's text is built from, and the texts of the
// warnings that have a file of their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "warnings/source_warnings.h"

namespace wfpack::text {

std::string quoted(std::string_view text);
std::string quoted(char c);
std::string hex(std::uint8_t value);

// "InitData", or a banked table with its bank: "WaveData bank 2"; a body
// that names no bank is the table's alone.
std::string table_of(const Warning& warning);

// The verb and the pronoun that agree with a count: " was" or " were",
// "it" or "them".
std::string were(std::size_t count);
std::string them(std::size_t count);

// A table inside another's body, and the values the compiler reads
// otherwise.
std::string table_in_body(const Warning& warning);
std::string values_read_otherwise(const Warning& warning);

// The bytes against their description.
std::string description_difference(const Warning& warning);
std::string waveform_of(const Warning& warning);

}  // namespace wfpack::text
