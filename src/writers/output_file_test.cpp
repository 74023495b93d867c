#include "writers/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/failing_files.h"
#include "support/scratch_dir.h"

namespace wfpack {
namespace {

namespace fs = std::filesystem;

class OutputFile : public testing::Test {
 protected:
  std::string path(const char* name) const {
    return (dir_.path() / name).string();
  }

  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  testing_support::ScratchDir dir_;
};

TEST_F(OutputFile, WritesBytesUnchangedAndTruncates) {
  const std::string file = path("out.bin");
  { std::ofstream(file) << std::string(5000, 'x'); }
  const std::string data("a\nb\r\n\0\x1a", 7);
  EXPECT_EQ(write_output_file(file, data), OutputStatus::Written);
  EXPECT_EQ(contents(file), data);
}

TEST_F(OutputFile, NameThatCannotBeCreatedFailsToOpen) {
  fs::create_directory(path("taken"));
  for (const std::string& name : {path("taken"), path("no/such/dir/out.bin"),
                                  path("") + std::string(300, 'n') + ".bin"}) {
    EXPECT_EQ(write_output_file(name, "data"), OutputStatus::OpenFailed)
        << name;
  }
}

TEST_F(OutputFile, DeviceBehindALinkIsAWriteFailureAndStays) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no device that refuses writes for want of space";
#else
  const fs::path device = dir_.path() / "full";
  if (!testing_support::make_full_device(device)) {
    GTEST_SKIP() << "no device can be made here";
  }
  const std::string link = path("full.bin");
  fs::create_symlink(device, link);
  EXPECT_EQ(write_output_file(link, "data"), OutputStatus::WriteFailed);
  // The device behind the link is no incomplete file and is left alone.
  EXPECT_TRUE(fs::exists(device));
  EXPECT_TRUE(fs::is_symlink(link));
#endif
}

TEST_F(OutputFile, IncompleteFileIsRemoved) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no file size limit to make a write fail";
#else
  const std::string file = path("partial.bin");
  const std::string link = path("link.bin");
  fs::create_symlink(file, link);
  const std::string data(64 * 1024, 'd');
  {
    testing_support::FileSizeLimit limit(1000);
    EXPECT_EQ(write_output_file(file, data), OutputStatus::WriteFailed);
    EXPECT_FALSE(fs::exists(file));
    // Through a link, the incomplete file it leads to goes.
    EXPECT_EQ(write_output_file(link, data), OutputStatus::WriteFailed);
    EXPECT_FALSE(fs::exists(file));
  }
  EXPECT_EQ(write_output_file(file, data), OutputStatus::Written);
  EXPECT_EQ(fs::file_size(file), data.size());
#endif
}

}  // namespace
}  // namespace wfpack
