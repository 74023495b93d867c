// Runs the built wfpack binary as a firmware build would.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/console_texts.h"
#include "support/failing_files.h"
#include "support/scratch_dir.h"
#include "support/wfpack_binary.h"

namespace {

namespace fs = std::filesystem;

using wfpack::testing_support::console_lines;
using wfpack::testing_support::kBanner;
using wfpack::testing_support::kFailureExitStatus;
using wfpack::testing_support::kNoFile;
using wfpack::testing_support::kUsage;
using wfpack::testing_support::Outcome;

class Binary : public testing::Test {
 protected:
  Binary() : dir_(scratch_.path()) {}

  // Runs wfpack in the test's directory.
  Outcome wfpack(const std::vector<std::string>& arguments) const {
    return wfpack::testing_support::run_wfpack(arguments, dir_);
  }

  void write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }

  bool has_outputs(const std::string& base) const {
    return fs::exists(dir_ / (base + "_dat.c")) ||
           fs::exists(dir_ / (base + "_dat.bin"));
  }

  wfpack::testing_support::ScratchDir scratch_;
  const fs::path& dir_;
};

TEST_F(Binary, WrongArgumentCountShowsUsage) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, {"gpif.c", "other.c"}}) {
    const Outcome outcome = wfpack(arguments);
    EXPECT_EQ(outcome.status, 0) << arguments.size();
    EXPECT_EQ(outcome.output, console_lines(kBanner + kUsage))
        << arguments.size();
  }
}

TEST_F(Binary, UnopenableSourceExitsWith255) {
  fs::create_directory(dir_ / "sources.c");
  for (const std::string name : {"missing.c", "sources.c"}) {
    const std::string why = name == "missing.c" ? kNoFile : "Is a directory";
    const Outcome outcome = wfpack({name});
    EXPECT_EQ(outcome.status, kFailureExitStatus) << name;
    EXPECT_EQ(outcome.output, console_lines(kBanner + "File open err (" +
                                            std::string(name) + ").\n"));
    EXPECT_EQ(outcome.errors, console_lines("wfpack: cannot open '" + name +
                                            "': " + why + "\n"));
    EXPECT_FALSE(has_outputs("missing"));
    EXPECT_FALSE(has_outputs("sources"));
  }
}

TEST_F(Binary, EmptySourceSucceeds) {
  write("empty.c", "");
  const Outcome outcome = wfpack({"empty.c"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, console_lines(kBanner));
  EXPECT_EQ(outcome.errors,
            console_lines("empty.c: warning: no IFCONFIG line; IFCONFIG is "
                          "0x00\n"
                          "empty.c: warning: no InitData table; its 7 bytes "
                          "are 0x00\n"
                          "empty.c: warning: no WaveData table; the image "
                          "holds no bank\n"));
}

TEST_F(Binary, ExampleGivesNoWarning) {
  const std::ifstream example(fs::path(WFPACK_SOURCE_DIR) / "examples/gpif.c",
                              std::ios::binary);
  std::ostringstream text;
  text << example.rdbuf();
  ASSERT_FALSE(text.str().empty());
  write("gpif.c", text.str());
  const Outcome outcome = wfpack({"gpif.c"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, console_lines(kBanner));
  EXPECT_EQ(outcome.errors, "");
  EXPECT_EQ(fs::file_size(dir_ / "gpif_dat.bin"), 8 + 2 * 164u);
}

// Every table complete: a source that gives no warning of its own.
std::string complete_tables() {
  std::string text = "  IFCONFIG = 0xCE;\nconst char xdata InitData[7] =\n";
  text += "0x01,0x02,0x03,0x04,0x05,0x06,0x07\n};\n";
  text += "const char xdata WaveData[128] =\n";
  for (int i = 0; i < 128; ++i) text += i % 8 == 7 ? "0x11,\n" : "0x11,";
  text += "};\nconst char xdata FlowStates[36] =\n";
  for (int i = 0; i < 36; ++i) text += "0x22,";
  return text + "\n};\n";
}

TEST_F(Binary, WarningsGoToStandardErrorAndTheRunSucceeds) {
  write("gpif.c", complete_tables());
  EXPECT_EQ(wfpack({"gpif.c"}).errors, "");
  write("gpif.c", "// bank 1, renamed\nconst char xdata InitData_x[7] =\n" +
                      complete_tables());
  const Outcome outcome = wfpack({"gpif.c"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, console_lines(kBanner));
  EXPECT_EQ(outcome.errors,
            console_lines("gpif.c:2: warning: table 'InitData_x' is not read: "
                          "only 'InitData[7] =' is read\n"));
  EXPECT_EQ(fs::file_size(dir_ / "gpif_dat.bin"), 8 + 164u);
}

TEST_F(Binary, ReadFailureExitsWith255) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no /proc/self/mem to fail a read";
#endif
  if (!fs::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc here";
  const Outcome outcome = wfpack({"/proc/self/mem"});
  EXPECT_EQ(outcome.status, kFailureExitStatus);
  EXPECT_EQ(outcome.output,
            console_lines(kBanner + "File read err (/proc/self/mem).\n"));
}

const std::string kSource =
    "const char xdata WaveData[128] =\n0x01\n};\n"
    "const char xdata WaveData4[128] =\n0x04\n};\n";

TEST_F(Binary, ConvertsIntoTheSourceDirectory) {
  fs::create_directory(dir_ / "board.v2");
  write("board.v2/gpif.c", kSource);
  const Outcome outcome = wfpack({"board.v2/gpif.c"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.output, console_lines(kBanner));
  EXPECT_EQ(fs::file_size(dir_ / "board.v2/gpif_dat.c"), 117 + 4 + 2 * 922u);
  EXPECT_EQ(fs::file_size(dir_ / "board.v2/gpif_dat.bin"), 8 + 2 * 164u);
}

TEST_F(Binary, OutputThatCannotBeCreatedExitsWith255) {
  write("gpif.c", kSource);
  fs::create_directory(dir_ / "gpif_dat.bin");
  const Outcome outcome = wfpack({"gpif.c"});
  EXPECT_EQ(outcome.status, kFailureExitStatus);
  EXPECT_EQ(outcome.output, console_lines(kBanner + "File open err (gpif).\n"));
  // The C array file was complete before the binary was tried.
  EXPECT_EQ(fs::file_size(dir_ / "gpif_dat.c"), 117 + 4 + 2 * 922u);
}

TEST_F(Binary, FullDiskFailsAndLeavesNoTruncatedFile) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no file size limit to make a write fail";
#else
  write("gpif.c", kSource);
  Outcome outcome;
  {
    // Inherited by the program: too small for its C array file.
    wfpack::testing_support::FileSizeLimit limit(1000);
    outcome = wfpack({"gpif.c"});
  }
  EXPECT_EQ(outcome.status, kFailureExitStatus);
  EXPECT_EQ(outcome.output,
            console_lines(kBanner + "File write err (gpif_dat.c).\n"));
  EXPECT_FALSE(fs::exists(dir_ / "gpif_dat.c"));
  EXPECT_FALSE(fs::exists(dir_ / "gpif_dat.bin"));
#endif
}

}  // namespace
