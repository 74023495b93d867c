// Names outside any ANSI code page open, convert and print like any other,
// on Windows as on POSIX systems.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/run.h"
#include "support/console_texts.h"
#include "support/in_scratch_dir.h"
#include "support/run_capture.h"
#include "support/unicode_names.h"

namespace wfpack {
namespace {

namespace fs = std::filesystem;
using testing_support::kBanner;
using testing_support::kUnicodeNames;
using testing_support::UnicodeName;
using testing_support::utf8;

using testing_support::kSeparator;
using testing_support::path_of;
using testing_support::run_with;
using testing_support::RunResult;

std::string second_line(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  std::getline(in, line);
  std::getline(in, line);
  return line;
}

RunResult run_on(const std::string& source) {
  return run_with({source.c_str()});
}

class RunUnicode : public testing_support::InScratchDir {};

TEST_F(RunUnicode, ConvertsBesideTheSourceAndNamesTheArray) {
  // A user folder with such a name holds every project of its user.
  const std::string folder = utf8(u8"Иван.v2");
  fs::create_directory(path_of(folder));
  for (const UnicodeName& name : kUnicodeNames) {
    const std::string base = folder + kSeparator + name.stem;
    std::ofstream(path_of(base + ".c"), std::ios::binary)
        << "const char xdata WaveData[128] =\n0x01\n};\n";
    const RunResult result = run_on(base + ".c");
    EXPECT_EQ(result.status, 0) << name.script;
    EXPECT_EQ(result.console, kBanner) << name.script;
    EXPECT_EQ(second_line(path_of(base + "_dat.c")),
              "u8 " + name.array_name + "[]={\r")
        << name.script;
    EXPECT_EQ(fs::file_size(path_of(base + "_dat.bin")), 8 + 164u)
        << name.script;
  }
}

TEST_F(RunUnicode, ReportsTheNameAsGiven) {
  for (const UnicodeName& name : kUnicodeNames) {
    const RunResult missing = run_on(name.stem + ".c");
    EXPECT_EQ(missing.status, -1) << name.script;
    EXPECT_EQ(missing.console,
              kBanner + "File open err (" + name.stem + ".c).\n");

    std::ofstream(path_of(name.stem + ".c"), std::ios::binary) << "";
    fs::create_directory(path_of(name.stem + "_dat.c"));
    const RunResult blocked = run_on(name.stem + ".c");
    EXPECT_EQ(blocked.status, -1) << name.script;
    EXPECT_EQ(blocked.console,
              kBanner + "File open err (" + name.stem + ").\n");
  }
}

}  // namespace
}  // namespace wfpack
