#include "reader/source_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/reference_scan.h"
#include "support/scratch_dir.h"

namespace wfpack {
namespace {

TEST(SourceFile, IsReadToItsEnd) {
  // Tables beyond the first read chunks, with a value across the end of the
  // first chunk and a "};" right at the start of the third.
  const std::string init = "const char xdata InitData[7] =\n";
  std::string source = "const char xdata WaveData2[128] =\n0x01\n";
  source += std::string(65536 - 2 - source.size(), ' ') + "0x1234\n";
  source += std::string(131072 - source.size(), ' ');
  source.back() = '\n';
  source += "};\n0x99\n" + init + "0x05 0x06\n};\n";
  for (int i = 0; i < 10000; ++i) source += "0x01,0x02,0x03,0x04,0x05,\n";
  source += "const char xdata WaveData[128] =\n0xAB\n";
  const testing_support::ScratchDir dir;
  const std::string path = (dir.path() / "scan_file.c").string();
  { std::ofstream(path, std::ios::binary) << source; }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  GpifImage image;
  Descriptions descriptions;
  SourceWarnings warnings;
  EXPECT_EQ(scan_source_file(file, image, descriptions, warnings),
            ScanStatus::Complete);
  std::fclose(file);
  EXPECT_TRUE(image == reference::scan(source));
  EXPECT_EQ(image.WaveData[256], 0x01);
  EXPECT_EQ(image.WaveData[257], 0x34);
  EXPECT_EQ(image.WaveData[258], 0x00);  // the body ended before 0x99
  EXPECT_EQ(image.InitData[1], 0x06);
  EXPECT_EQ(image.WaveData[0], 0xAB);
}

TEST(SourceFile, ReadErrorIsReported) {
  // On Linux a directory opens for reading and then fails to read.
  std::FILE* directory = std::fopen(testing::TempDir().c_str(), "r");
  if (directory == nullptr) GTEST_SKIP() << "directories do not open here";
  GpifImage image;
  Descriptions descriptions;
  SourceWarnings warnings;
  EXPECT_EQ(scan_source_file(directory, image, descriptions, warnings),
            ScanStatus::ReadFailed);
  std::fclose(directory);
}

}  // namespace
}  // namespace wfpack
