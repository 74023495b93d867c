// What --show prints: IFCONFIG and InitData, then every waveform of every
// used bank, as the design tool's tables (text), as timing diagrams (SVG),
// or as WaveJSON for WaveDrom. Each view only prints the one decode of the
// image; none reads a bit itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/gpif_image.h"
#include "waveform/waveform.h"

namespace wfpack {

enum class ViewFormat : std::uint8_t { Text, Svg, WaveJson };

std::string render_view(ViewFormat format, const GpifImage& image,
                        const BankNames& names);

}  // namespace wfpack
