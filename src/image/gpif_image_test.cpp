#include "image/gpif_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace wfpack {
namespace {

TEST(AdjustIfconfig, ClearsClockOutputEnableOnlyForAnExternalClock) {
  struct Case {
    std::uint8_t before;
    std::uint8_t after;
  };
  for (const Case& c : {Case{0x63, 0x43}, Case{0xE3, 0xE3}, Case{0x4E, 0x4E},
                        Case{0x20, 0x00}, Case{0xA0, 0xA0}, Case{0x7F, 0x5F},
                        Case{0xFF, 0xFF}, Case{0x00, 0x00}}) {
    GpifImage image;
    image.IfConfig = c.before;
    adjust_ifconfig(image);
    EXPECT_EQ(image.IfConfig, c.after) << int{c.before};
  }
}

// Fills every table byte with a value that tells where it came from.
GpifImage numbered_image() {
  GpifImage image;
  image.IfConfig = 0xC1;
  for (std::size_t i = 0; i < kInitDataSize; ++i) {
    image.InitData[i] = static_cast<std::uint8_t>(0xD0 + i);
  }
  for (std::size_t i = 0; i < image.WaveData.size(); ++i) {
    image.WaveData[i] = static_cast<std::uint8_t>(i);
  }
  for (std::size_t i = 0; i < image.FlowStates.size(); ++i) {
    image.FlowStates[i] = static_cast<std::uint8_t>(0x80 + i);
  }
  return image;
}

std::vector<std::uint8_t> expected_sequence(const GpifImage& image,
                                            std::vector<std::size_t> banks) {
  std::vector<std::uint8_t> out{image.IfConfig};
  out.insert(out.end(), image.InitData.begin(), image.InitData.end());
  for (std::size_t bank : banks) {
    const auto wave = wave_bank(image, bank);
    const auto flow = flow_bank(image, bank);
    out.insert(out.end(), wave.begin(), wave.end());
    out.insert(out.end(), flow.begin(), flow.end());
  }
  return out;
}

TEST(ImageByteSequence, CarriesUsedBanksInAscendingOrder) {
  struct Case {
    std::vector<std::size_t> banks;
  };
  for (const Case& c : {Case{{}}, Case{{3}}, Case{{0}}, Case{{7}}, Case{{2, 5}},
                        Case{{0, 1, 2, 3, 4, 5, 6, 7}}}) {
    GpifImage image = numbered_image();
    // Flags set in reverse: the order of the source does not matter.
    for (auto it = c.banks.rbegin(); it != c.banks.rend(); ++it) {
      image.BankUsed[*it] = true;
    }
    const ImageBytes bytes = image_byte_sequence(image);
    const std::vector<std::uint8_t> actual(bytes.view().begin(),
                                           bytes.view().end());
    EXPECT_EQ(actual, expected_sequence(image, c.banks));
    EXPECT_EQ(bytes.size, 8 + 164 * c.banks.size());
  }
}

TEST(ImageByteSequence, BankTablesStartAtTheirOwnOffsets) {
  const GpifImage image = numbered_image();
  EXPECT_EQ(wave_bank(image, 3)[0], static_cast<std::uint8_t>(3 * 128));
  EXPECT_EQ(flow_bank(image, 3)[35], static_cast<std::uint8_t>(0x80 + 143));
}

}  // namespace
}  // namespace wfpack
