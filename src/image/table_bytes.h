// Every byte of an image's three tables under one number, for what points
// at a byte whatever its table: InitData's seven bytes first, then
// WaveData's banks, then FlowStates'. IFCONFIG is no table byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/gpif_image.h"

namespace wfpack {

inline constexpr std::size_t kInitDataAt = 0;
inline constexpr std::size_t kWaveDataAt = kInitDataAt + kInitDataSize;
inline constexpr std::size_t kFlowStatesAt =
    kWaveDataAt + kBankCount * kWaveBankSize;
inline constexpr std::size_t kTableByteCount =
    kFlowStatesAt + kBankCount * kFlowBankSize;

constexpr std::size_t wave_byte(std::size_t bank, std::size_t offset) {
  return kWaveDataAt + bank * kWaveBankSize + offset;
}

inline std::uint8_t& table_byte(GpifImage& image, std::size_t at) {
  if (at < kWaveDataAt) return image.InitData[at - kInitDataAt];
  if (at < kFlowStatesAt) return image.WaveData[at - kWaveDataAt];
  return image.FlowStates[at - kFlowStatesAt];
}
inline std::uint8_t table_byte(const GpifImage& image, std::size_t at) {
  if (at < kWaveDataAt) return image.InitData[at - kInitDataAt];
  if (at < kFlowStatesAt) return image.WaveData[at - kWaveDataAt];
  return image.FlowStates[at - kFlowStatesAt];
}

}  // namespace wfpack
