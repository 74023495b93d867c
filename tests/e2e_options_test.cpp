// The options and the mistakes in them, as a build passes them to wfpack.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/console_texts.h"
#include "support/scratch_dir.h"
#include "support/unicode_names.h"
#include "support/wfpack_binary.h"

namespace {

namespace fs = std::filesystem;
using namespace wfpack::testing_support;

struct OptionCase {
  std::vector<std::string> arguments;
  int status;
  std::string output, errors;  // before console_lines
  bool writes = false;         // out/gpif_dat.c and out/gpif_dat.bin
};

const std::string kHint = "\nTry 'wfpack --help' for the options.\n";
const std::string kUnknown = "wfpack: unknown option '--Werror'" + kHint;
const std::string kUnknownShow = "wfpack: unknown option '--show=png'" + kHint;
const std::string kNoDir = "wfpack: option '-o' needs a directory" + kHint;
const std::string kClass = "wfpack: unknown storage class 'far'" + kHint;
const int kFailed = kFailureExitStatus;
const std::string kNoneQuiet =
    "File open err (no" + std::string(kSeparator) + "gpif).\n";
const std::string kNone = kBanner + kNoneQuiet;
const std::string kNoneWhy = "wfpack: cannot create 'no" +
                             std::string(kSeparator) +
                             "gpif_dat.c': " + kNoFolder + "\n";
const std::string kDirWhy = "wfpack: cannot open '.': Is a directory\n";
const std::string kBad = "bad" + std::string(kSeparator) + "gpif";
const std::string kBadOpen = "File open err (" + kBad + ").\n";
const std::string kBadWhy =
    "wfpack: cannot create '" + kBad + "_dat.h': " + "Is a directory\n";
const std::string kWith =
    "wfpack: option '--update' does not go with '--show'" + kHint;
const std::string kDry = "wfpack: option '--dry-run' goes only with '--update'" + kHint;
const std::string kError =
    "warn.c:1: error: table 'InitData_x' is not read: "
    "only 'InitData[7] =' is read\n";

TEST(Options, GiveTheirOutputStatusAndFiles) {
  for (const OptionCase& c : std::initializer_list<OptionCase>{
           {{"--version"}, 0, "wfpack 1.0\n", "", false},
           {{"-o", "no", "--", "gpif.c"}, kFailed, kNone, kNoneWhy},
           {{"-q", "-ono", "gpif.c"}, kFailed, kNoneQuiet, kNoneWhy},
           {{"-q", "."}, kFailed, "File open err (.).\n", kDirWhy},
           {{"-q", "-Werror", "-o", "out", "warn.c"}, 1, "", kError, false},
           {{"-Werror", "--header", "-q", "-oout", "warn.c"}, 1, "", kError},
           {{"-Werror", "--loader", "-q", "-oout", "warn.c"}, 1, "", kError},
           {{"-q", "--loader", "-oout", "gpif.c"}, 0, "", "", true},
           {{"-q", "-w", "-Werror", "-oout", "warn.c"}, 0, "", "", false},
           {{"--output-dir=out", "gpif.c", "-q", "-Werror"}, 0, "", "", true},
           {{"-q", "--header", "-obad", "gpif.c"}, kFailed, kBadOpen, kBadWhy},
           {{"--Werror", "gpif.c"}, 2, "", kUnknown, false},
           {{"--show=png", "gpif.c"}, 2, "", kUnknownShow},
           {{"--storage=far", "gpif.c"}, 2, "", kClass},
           {{"-q", "-o"}, 2, "", kNoDir, false},
           {{"--update=tables", "--show", "gpif.c"}, 2, "", kWith},
           {{"-n", "gpif.c"}, 2, "", kDry},
           {{"--update", "description", "-Werror", "gpif.c"}, 0, "", ""}}) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const ScratchDir scratch;
    const fs::path& dir = scratch.path();
    const fs::path example = fs::path(WFPACK_SOURCE_DIR) / "examples/gpif.c";
    fs::create_directory(dir / "out");
    fs::copy_file(example, dir / "gpif.c");
    std::ofstream(dir / "warn.c", std::ios::binary)
        << "const char InitData_x[7] =\n"
        << std::ifstream(example).rdbuf();
    std::ofstream(dir / "out/warn_dat.c") << "stale";   // -Werror removes it
    std::ofstream(dir / "out/warn_dat.h") << "stale";   // with --header
    std::ofstream(dir / "out/warn_load.c") << "stale";  // with --loader
    fs::create_directories(dir / "bad/gpif_dat.h");     // in the header's way
    const Outcome outcome = run_wfpack(c.arguments, dir);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.output, console_lines(c.output));
    EXPECT_EQ(outcome.errors, console_lines(c.errors));
    EXPECT_EQ(fs::exists(dir / "out/gpif_dat.c"), c.writes);
    EXPECT_EQ(fs::exists(dir / "out/gpif_dat.bin"), c.writes);
    EXPECT_EQ(fs::exists(dir / "out/warn_dat.c"), c.status != 1);
    const bool loader = std::ranges::count(c.arguments, "--loader") != 0;
    const bool header =
        loader || std::ranges::count(c.arguments, "--header") != 0;
    EXPECT_EQ(fs::exists(dir / "out/gpif_dat.h"), c.writes && header);
    EXPECT_EQ(fs::exists(dir / "out/warn_dat.h"), c.status != 1 || !header);
    EXPECT_EQ(fs::exists(dir / "out/gpif_load.c"), c.writes && loader);
    EXPECT_EQ(fs::exists(dir / "out/warn_load.c"), c.status != 1 || !loader);
  }
}

}  // namespace
