// What a run puts out: --show's view on standard output and no file, and a
// write that fails, of a view or of an output file, as a failure.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/run.h"
#include "support/console_texts.h"
#include "support/failing_files.h"
#include "support/in_scratch_dir.h"
#include "support/run_capture.h"
#include "support/source_text.h"

namespace wfpack {
namespace {

namespace fs = std::filesystem;
using testing_support::kBanner;
using testing_support::run_with;
using testing_support::RunResult;

class RunOutput : public testing_support::InScratchDir {};

// The README shows the example's diagram from the SVG file kept beside it.
TEST_F(RunOutput, ShowPrintsTheViewAndWritesNothing) {
  const std::string example = testing_support::example_source();
  write("gpif.c", example);
  write("warn.c", "const char InitData_x[7] =\n" + example);
  const RunResult svg = run_with({"--show=svg", "gpif.c"});
  EXPECT_EQ(svg.status, 0);
  EXPECT_EQ(svg.console,
            contents(fs::path(WFPACK_SOURCE_DIR) / "examples/gpif.svg"));
  EXPECT_EQ(svg.diagnostics, "");
  const RunResult text = run_with({"--show", "-Wno-description", "warn.c"});
  EXPECT_EQ(text.status, 0);
  EXPECT_TRUE(text.console.starts_with("IFCONFIG     0xce  ")) << text.console;
  EXPECT_NE(text.diagnostics, "");
  const RunResult failed = run_with({"--show=wavedrom", "-Werror", "warn.c"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.console, "");
  EXPECT_TRUE(failed.diagnostics.starts_with("warn.c:1: error: "));
  EXPECT_EQ(files(), (std::vector<std::string>{"gpif.c", "warn.c"}));
}

TEST_F(RunOutput, AViewThatCannotBeWrittenFails) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no device to fail a write";
#else
  write("gpif.c", testing_support::example_source());
  if (!testing_support::make_full_device(dir_.path() / "full")) {
    GTEST_SKIP() << "no device can be made here to fail the view";
  }
  std::FILE* full = std::fopen("full", "wb");
  ASSERT_NE(full, nullptr);
  std::string diagnostics;
  const std::vector<const char*> args{"wfpack", "--show", "gpif.c"};
  EXPECT_EQ(run(args, TextOut(full), TextOut(diagnostics)), -1);
  std::fclose(full);
  EXPECT_EQ(diagnostics, "wfpack: cannot write standard output: " +
                             std::string(std::strerror(ENOSPC)) + "\n");
#endif
}

TEST_F(RunOutput, FailedWriteNamesTheFileAndStopsTheRun) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no file size limit to make a write fail";
#else
  write("gpif.c",
        "const char xdata WaveData5[128] =\n0x55\n};\n"
        "const char xdata WaveData[128] =\n0x11\n};\n");
  RunResult result;
  {
    // Too small for the C array file.
    testing_support::FileSizeLimit limit(1000);
    result = run_with({"gpif.c"});
  }
  EXPECT_EQ(result.status, -1);
  EXPECT_EQ(result.console, kBanner + "File write err (gpif_dat.c).\n");
  // The reason of the write, not of the removal after it.
  EXPECT_TRUE(
      result.diagnostics.ends_with("wfpack: cannot write 'gpif_dat.c': " +
                                   std::string(std::strerror(EFBIG)) + "\n"));
  EXPECT_EQ(files(), std::vector<std::string>{"gpif.c"});

  if (!testing_support::make_full_device(dir_.path() / "full")) {
    GTEST_SKIP() << "no device can be made here to fail the binary";
  }
  fs::create_symlink(dir_.path() / "full", "gpif_dat.bin");
  result = run_with({"gpif.c"});
  EXPECT_EQ(result.status, -1);
  EXPECT_EQ(result.console, kBanner + "File write err (gpif_dat.bin).\n");
  EXPECT_TRUE(
      result.diagnostics.ends_with("wfpack: cannot write 'gpif_dat.bin': " +
                                   std::string(std::strerror(ENOSPC)) + "\n"));
  EXPECT_EQ(fs::file_size("gpif_dat.c"), 117 + 4 + 2 * 922u);
#endif
}

}  // namespace
}  // namespace wfpack
