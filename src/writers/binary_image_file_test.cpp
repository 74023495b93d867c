#include "writers/binary_image_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/scratch_dir.h"

namespace wfpack {
namespace {

std::string contents(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(BinaryImageFile, NameKeepsTheDirectory) {
  EXPECT_EQ(binary_image_file_name("work/gpif"), "work/gpif_dat.bin");
  EXPECT_EQ(binary_image_file_name(""), "_dat.bin");
}

TEST(BinaryImageFile, HoldsTheByteSequenceOnly) {
  struct Case {
    std::initializer_list<std::size_t> banks;
  };
  for (const Case& c : {Case{{}}, Case{{4}}, Case{{0, 1, 2, 3, 4, 5, 6, 7}}}) {
    GpifImage image;
    image.IfConfig = 0x0A;
    image.InitData[0] = 0x0D;
    image.WaveData.fill(0x0A);
    image.FlowStates.fill(0x0D);
    for (std::size_t bank : c.banks) image.BankUsed[bank] = true;
    const testing_support::ScratchDir dir;
    const std::string base = (dir.path() / "gpif").string();
    ASSERT_EQ(write_binary_image_file(image, base), OutputStatus::Written);
    const std::string written = contents(base + "_dat.bin");
    EXPECT_EQ(written.size(), 8 + 164 * c.banks.size());
    const ImageBytes expected = image_byte_sequence(image);
    EXPECT_EQ(written,
              std::string(reinterpret_cast<const char*>(expected.bytes.data()),
                          expected.size));
  }
}

}  // namespace
}  // namespace wfpack
