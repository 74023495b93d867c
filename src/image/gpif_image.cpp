#include "image/gpif_image.h"

#include <algorithm>

namespace wfpack {

std::span<const std::uint8_t, kWaveBankSize> wave_bank(const GpifImage& image,
                                                       std::size_t bank) {
  return std::span<const std::uint8_t, kWaveBankSize>(
      image.WaveData.data() + bank * kWaveBankSize, kWaveBankSize);
}

std::span<const std::uint8_t, kFlowBankSize> flow_bank(const GpifImage& image,
                                                       std::size_t bank) {
  return std::span<const std::uint8_t, kFlowBankSize>(
      image.FlowStates.data() + bank * kFlowBankSize, kFlowBankSize);
}

void adjust_ifconfig(GpifImage& image) {
  if ((image.IfConfig >> kIfclkSrcBit & 1) == 0) {
    image.IfConfig =
        static_cast<std::uint8_t>(image.IfConfig & ~(1u << kIfclkOeBit));
  }
}

std::size_t used_bank_count(const GpifImage& image) {
  return static_cast<std::size_t>(
      std::count(image.BankUsed.begin(), image.BankUsed.end(), true));
}

std::array<BankOffsets, kBankCount> bank_offsets(const GpifImage& image) {
  std::array<BankOffsets, kBankCount> offsets{};
  std::size_t offset = kImageHeadSize;
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (!image.BankUsed[bank]) continue;
    offsets[bank] = {offset, offset + kWaveBankSize};
    offset += kBankImageSize;
  }
  return offsets;
}

ImageBytes image_byte_sequence(const GpifImage& image) {
  ImageBytes out;
  auto* cursor = out.bytes.data();
  *cursor++ = image.IfConfig;
  cursor = std::copy(image.InitData.begin(), image.InitData.end(), cursor);
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (!image.BankUsed[bank]) continue;
    const auto wave = wave_bank(image, bank);
    const auto flow = flow_bank(image, bank);
    cursor = std::copy(wave.begin(), wave.end(), cursor);
    cursor = std::copy(flow.begin(), flow.end(), cursor);
  }
  out.size = static_cast<std::size_t>(cursor - out.bytes.data());
  return out;
}

}  // namespace wfpack
