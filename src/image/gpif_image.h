#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace wfpack {

inline constexpr std::size_t kBankCount = 8;
inline constexpr std::size_t kInitDataSize = 7;
inline constexpr std::size_t kWaveBankSize = 128;
inline constexpr std::size_t kFlowBankSize = 36;

// IFCONFIG's bits that the conversion itself reads: the interface clock's
// source (set: internal), its frequency (set: 48 MHz, clear: 30) and the
// output enable of the IFCLK pin.
inline constexpr std::uint8_t kIfclkSrcBit = 7;
inline constexpr std::uint8_t kIfclk48MhzBit = 6;
inline constexpr std::uint8_t kIfclkOeBit = 5;

// IFCONFIG and InitData lead the image; every used bank then adds its
// waveform and flow-state tables.
inline constexpr std::size_t kImageHeadSize = 1 + kInitDataSize;
inline constexpr std::size_t kBankImageSize = kWaveBankSize + kFlowBankSize;
inline constexpr std::size_t kMaxImageSize =
    kImageHeadSize + kBankCount * kBankImageSize;

// The whole result of one conversion. Field names follow the source format.
// Every byte starts at 0x00, so a byte the source never supplies is written
// as zero.
struct GpifImage {
  std::uint8_t IfConfig = 0;
  std::array<std::uint8_t, kInitDataSize> InitData{};
  // The banks of each table lie back to back, so a run of values longer than
  // one bank continues into the next bank of the same table.
  std::array<std::uint8_t, kBankCount * kWaveBankSize> WaveData{};
  std::array<std::uint8_t, kBankCount * kFlowBankSize> FlowStates{};
  // Only a WaveData header marks a bank as used; a bank takes part in the
  // image only when its flag is set.
  std::array<bool, kBankCount> BankUsed{};

  bool operator==(const GpifImage&) const = default;
};

std::span<const std::uint8_t, kWaveBankSize> wave_bank(const GpifImage& image,
                                                       std::size_t bank);
std::span<const std::uint8_t, kFlowBankSize> flow_bank(const GpifImage& image,
                                                       std::size_t bank);

// With bit 7 clear the interface clock comes in on the IFCLK pin, so that pin
// must not also be driven: bit 5, its output enable, is cleared. With bit 7
// set the byte is kept as it is.
void adjust_ifconfig(GpifImage& image);

std::size_t used_bank_count(const GpifImage& image);

// Where a used bank's tables start in the image byte sequence. A bank the
// image does not hold has offsets of 0, where IFCONFIG stands.
struct BankOffsets {
  std::size_t wave_data = 0;
  std::size_t flow_states = 0;
};
std::array<BankOffsets, kBankCount> bank_offsets(const GpifImage& image);

// The image byte sequence that both output files carry: IfConfig, the seven
// InitData bytes, then for each used bank in ascending order its WaveData
// bytes followed by its FlowStates bytes.
struct ImageBytes {
  std::array<std::uint8_t, kMaxImageSize> bytes{};
  std::size_t size = 0;

  std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

ImageBytes image_byte_sequence(const GpifImage& image);

}  // namespace wfpack
