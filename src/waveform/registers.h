// IFCONFIG and the registers InitData's bytes are loaded into, field by
// field, with the design tool's words for them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "waveform/waveform.h"

namespace wfpack {

// A register's bit fields, each with its value and, where the chip's
// meaning of that value is known, a few words for it.
struct BitField {
  std::string_view name;
  std::uint8_t value = 0;
  std::uint8_t width = 1;
  std::string_view meaning;
};
// What the design tool says of a register, or of each output in it:
// "Internal Ready Init" and "IntRdy=1", or "RD#" and "CMOS".
struct Said {
  std::string_view label;  // the tool's label, or else
  Word name;               // the output's name
  Word word;
};
struct Register {
  std::string_view name;  // empty for a byte the setup code does not load
  std::uint8_t byte = 0;
  std::array<BitField, 7> fields{};
  std::size_t field_count = 0;
  std::array<Said, 1 + kCtlCount> said{};
  std::size_t said_count = 0;
};

Register decode_ifconfig(std::uint8_t byte);
// The register InitData's byte is loaded into, the fields of it that are
// known, and the design tool's words for it, its outputs named.
Register decode_init_register(const GpifImage& image, std::size_t byte,
                              const DesignNames& names);

}  // namespace wfpack
