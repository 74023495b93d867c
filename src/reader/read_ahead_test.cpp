#include "reader/read_ahead.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/scratch_dir.h"

namespace wfpack {
namespace {

std::string pattern(std::size_t size) {
  std::string text(size, ' ');
  for (std::size_t i = 0; i < size; ++i) {
    text[i] = static_cast<char>('a' + (i * 7 + i / 4099) % 26);
  }
  return text;
}

class ReadAheadFile : public testing::Test {
 protected:
  std::FILE* open_with(const std::string& content) {
    TearDown();
    const std::string path = (dir_.path() / "source.c").string();
    { std::ofstream(path, std::ios::binary) << content; }
    file_ = std::fopen(path.c_str(), "rb");
    return file_;
  }
  void TearDown() override {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
  }

 private:
  testing_support::ScratchDir dir_;
  std::FILE* file_ = nullptr;
};

// Every size around the block size and the number of blocks kept ahead:
// the blocks, in order, are the file, and the end comes once.
TEST_F(ReadAheadFile, BlocksAreTheWholeFileInOrder) {
  constexpr std::size_t block = ReadAhead::kBlockSize;
  for (const std::size_t size :
       {std::size_t{0}, std::size_t{1}, block - 1, block, block + 1, 4 * block,
        4 * block + 1, 9 * block + 12345}) {
    const std::string content = pattern(size);
    std::FILE* file = open_with(content);
    ASSERT_NE(file, nullptr);
    ReadAhead reader(file);
    std::string read;
    for (std::string_view part = reader.next(); !part.empty();
         part = reader.next()) {
      ASSERT_LE(part.size(), block);
      read += part;
    }
    EXPECT_TRUE(reader.next().empty());
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(read.size(), size);
    EXPECT_TRUE(read == content) << "size " << size;
  }
}

// The input ends at the first 0x1A, wherever it stands in a block.
TEST_F(ReadAheadFile, EndsAtTheFirstEndOfInputByte) {
  constexpr std::size_t block = ReadAhead::kBlockSize;
  for (const std::size_t at :
       {std::size_t{0}, block - 1, block, 6 * block + 5}) {
    std::string content = pattern(8 * block);
    content[at] = 0x1A;
    content[at + 7] = 0x1A;
    std::FILE* file = open_with(content);
    ASSERT_NE(file, nullptr);
    ReadAhead reader(file);
    std::string read;
    for (std::string_view part = reader.next(); !part.empty();
         part = reader.next()) {
      read += part;
    }
    EXPECT_FALSE(reader.failed());
    EXPECT_TRUE(read == content.substr(0, at)) << "0x1A at " << at;
  }
}

// The scanner may stop early (at a 0x1A): the reader, however far ahead,
// stops with it.
TEST_F(ReadAheadFile, StopsWhenTheScannerStops) {
  std::FILE* file = open_with(pattern(20 * ReadAhead::kBlockSize));
  ASSERT_NE(file, nullptr);
  for (int taken = 0; taken < 3; ++taken) {
    std::rewind(file);
    ReadAhead reader(file);
    for (int i = 0; i < taken; ++i) EXPECT_FALSE(reader.next().empty());
  }
}

}  // namespace
}  // namespace wfpack
