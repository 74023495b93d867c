#include "app/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "support/console_texts.h"
#include "support/failing_files.h"
#include "support/in_scratch_dir.h"
#include "support/run_capture.h"
#include "support/warning_sources.h"

namespace wfpack {
namespace {

namespace fs = std::filesystem;

using testing_support::kBanner;
using testing_support::kUsage;

using testing_support::run_with;
using testing_support::RunResult;

class Run : public testing_support::InScratchDir {};

TEST_F(Run, WrongArgumentCountPrintsUsageAndSucceeds) {
  for (const RunResult& result : {run_with({}), run_with({"a.c", "b.c"}),
                                  run_with({"a.c", "b.c", "c.c"})}) {
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console, kBanner + kUsage);
  }
  EXPECT_EQ(run_with({"-q", "-h"}).console, kUsage + std::string(kOptionsHelp));
  EXPECT_TRUE(files().empty());
}

TEST_F(Run, SourceThatCannotBeOpenedFails) {
  fs::create_directory("dir.c");
  for (const char* name : {"missing.c", "dir.c", "no/such/dir/gpif.c", ""}) {
    const RunResult result = run_with({name});
    EXPECT_EQ(result.status, -1) << name;
    EXPECT_EQ(result.console,
              kBanner + "File open err (" + std::string(name) + ").\n");
    EXPECT_TRUE(result.diagnostics.starts_with("wfpack: cannot open '" +
                                               std::string(name) + "': "));
  }
  EXPECT_EQ(files(), std::vector<std::string>{"dir.c"});
}

TEST_F(Run, ReadFailureIsNotSuccess) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no /proc/self/mem to fail a read";
#endif
  // Reading a process's own memory at offset 0 fails after a good open.
  const char* name = "/proc/self/mem";
  if (!fs::exists(name)) GTEST_SKIP() << "no /proc here";
  const RunResult result = run_with({name});
  EXPECT_EQ(result.status, -1);
  EXPECT_EQ(result.console, kBanner + "File read err (/proc/self/mem).\n");
  // What was read before the failure is no source to warn about.
  EXPECT_EQ(result.diagnostics, "wfpack: cannot read '/proc/self/mem': " +
                                    std::string(std::strerror(EIO)) + "\n");
  EXPECT_TRUE(files().empty());
}

TEST_F(Run, SourceWithoutTablesConverts) {
  write("empty.c", "");
  write("plain.c", "int main(void) { return 0; }\n");
  for (const char* name : {"empty.c", "plain.c"}) {
    const RunResult result = run_with({name});
    EXPECT_EQ(result.status, 0) << name;
    EXPECT_EQ(result.console, kBanner) << name;
  }
  EXPECT_EQ(fs::file_size("empty_dat.c"), 117 + 5u);
  EXPECT_EQ(fs::file_size("empty_dat.bin"), 8u);
  EXPECT_EQ(fs::file_size("plain_dat.c"), 117 + 5u);
}

const std::string kTwoBanks =
    "  IFCONFIG = 0x63;\n"
    "const char xdata WaveData5[128] =\n0x55\n};\n"
    "const char xdata WaveData[128] =\n0x11\n};\n";

TEST_F(Run, ConvertsBesideTheSource) {
  fs::create_directories("work.v2");
  write("work.v2/my.gpif.c", kTwoBanks);
  const RunResult result = run_with({"work.v2/my.gpif.c"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.console, kBanner);
  EXPECT_EQ(fs::file_size("work.v2/my_dat.c"), 117 + 2 + 2 * 922u);
  std::ifstream array_file("work.v2/my_dat.c", std::ios::binary);
  std::string line;
  std::getline(array_file, line);
  std::getline(array_file, line);
  EXPECT_EQ(line, "u8 my_dat[]={\r");  // named after the file, not its folder
  std::ifstream binary("work.v2/my_dat.bin", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(binary), {}};
  ASSERT_EQ(bytes.size(), 8 + 2 * 164u);
  EXPECT_EQ(bytes[0], 0x43);  // IFCONFIG after its adjustment
  EXPECT_EQ(bytes[8], 0x11);  // bank 0 first, whatever the source order
  EXPECT_EQ(bytes[8 + 164], 0x55);
}

TEST_F(Run, WarningsGoToDiagnosticsAndChangeNothingElse) {
  const std::string tables = testing_support::clean_tables();
  fs::create_directories("plain");
  fs::create_directories("edited");
  write("plain/gpif.c", tables);
  write("edited/gpif.c",
        "const char xdata WaveData_multiChannel[128] =\n"
        "{\n0x01,\n};\n" +
            tables);
  const RunResult plain = run_with({"plain/gpif.c"});
  EXPECT_EQ(plain.diagnostics, "");
  const RunResult edited = run_with({"edited/gpif.c"});
  EXPECT_EQ(edited.status, 0);
  EXPECT_EQ(edited.console, kBanner);
  // Named as it was given, at the line of the declaration.
  EXPECT_EQ(edited.diagnostics,
            "edited/gpif.c:1: warning: table 'WaveData_multiChannel' is not "
            "read: only WaveData and WaveData0 to WaveData7 name a bank\n");
  for (const char* output : {"gpif_dat.c", "gpif_dat.bin"}) {
    EXPECT_EQ(contents(fs::path("edited") / output),
              contents(fs::path("plain") / output))
        << output;
  }
  EXPECT_EQ(fs::file_size("edited/gpif_dat.bin"), 8 + 164u);
}

TEST_F(Run, OutputThatCannotBeCreatedNamesTheBaseName) {
  write("gpif.c", kTwoBanks);
  fs::create_directory("gpif_dat.c");
  const RunResult result = run_with({"gpif.c"});
  EXPECT_EQ(result.status, -1);
  EXPECT_EQ(result.console, kBanner + "File open err (gpif).\n");
  EXPECT_FALSE(fs::exists("gpif_dat.bin"));
}

TEST_F(Run, BinaryThatCannotBeCreatedKeepsTheCArrayFile) {
  write("gpif.c", kTwoBanks);
  fs::create_directory("gpif_dat.bin");
  const RunResult result = run_with({"gpif.c"});
  EXPECT_EQ(result.status, -1);
  EXPECT_EQ(result.console, kBanner + "File open err (gpif).\n");
  EXPECT_EQ(fs::file_size("gpif_dat.c"), 117 + 4 + 2 * 922u);
}

}  // namespace
}  // namespace wfpack
