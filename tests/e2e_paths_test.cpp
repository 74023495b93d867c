// The built binary reads paths as its platform writes them, and opens,
// names and reports file names in any script.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/wfpack_binary.h"
#include "support/console_texts.h"
#include "support/scratch_dir.h"
#include "support/unicode_names.h"

namespace {

namespace fs = std::filesystem;

using wfpack::testing_support::console_lines;
using wfpack::testing_support::kBanner;
using wfpack::testing_support::kFailureExitStatus;
using wfpack::testing_support::kUnicodeNames;
using wfpack::testing_support::Outcome;
using wfpack::testing_support::UnicodeName;
using wfpack::testing_support::utf8;

using wfpack::testing_support::kSeparator;
using wfpack::testing_support::path_of;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class BinaryPaths : public testing::Test {
 protected:
  Outcome wfpack(const std::vector<std::string>& arguments) const {
    return wfpack::testing_support::run_wfpack(arguments, scratch_.path());
  }
  fs::path in_dir(const std::string& utf8_name) const {
    return scratch_.path() / path_of(utf8_name);
  }

  wfpack::testing_support::ScratchDir scratch_;
};

TEST_F(BinaryPaths, ConvertsTheExampleInItsFolder) {
  const fs::path root = WFPACK_SOURCE_DIR;
  fs::create_directory(in_dir("examples"));
  fs::copy_file(root / "examples/gpif.c", in_dir("examples/gpif.c"));
  const Outcome outcome =
      wfpack({std::string("examples") + kSeparator + "gpif.c"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, console_lines(kBanner));
  for (const char* output : {"gpif_dat.c", "gpif_dat.bin"}) {
    EXPECT_EQ(contents(in_dir(std::string("examples/") + output)),
              contents(root / "tests/golden" / output))
        << output;
  }
}

TEST_F(BinaryPaths, UnicodeNamesConvertAndAreReported) {
  const std::string folder = utf8(u8"Иван");
  fs::create_directory(in_dir(folder));
  for (const UnicodeName& name : kUnicodeNames) {
    const std::string base = folder + kSeparator + name.stem;
    std::ofstream(in_dir(base + ".c"), std::ios::binary)
        << "const char xdata WaveData[128] =\n0x01\n};\n";
    Outcome outcome = wfpack({base + ".c"});
    EXPECT_EQ(outcome.status, 0) << name.script;
    EXPECT_EQ(outcome.output, console_lines(kBanner)) << name.script;
    const std::string array_file = contents(in_dir(base + "_dat.c"));
    EXPECT_NE(array_file.find("\r\nu8 " + name.array_name + "[]={\r\n"),
              std::string::npos)
        << name.script;
    EXPECT_EQ(contents(in_dir(base + "_dat.bin")).size(), 8 + 164u)
        << name.script;

    // The message shows the name as UTF-8, whatever the console's code page.
    outcome = wfpack({name.stem + ".h"});
    EXPECT_EQ(outcome.status, kFailureExitStatus) << name.script;
    EXPECT_EQ(outcome.output,
              console_lines(kBanner + "File open err (" + name.stem + ".h).\n"))
        << name.script;
  }
}

}  // namespace
