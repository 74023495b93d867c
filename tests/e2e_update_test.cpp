// --update as a user runs it on their source: the file rewritten whole or
// not at all, and left alone when nothing changes.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/console_texts.h"
#include "support/failing_files.h"
#include "support/scratch_dir.h"
#include "support/wfpack_binary.h"

namespace {

namespace fs = std::filesystem;
using namespace wfpack::testing_support;

std::string read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string replaced(std::string text, const std::string& from,
                     const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

const std::string kExample =
    read(fs::path(WFPACK_SOURCE_DIR) / "examples/gpif.c");
// Waveform 2's interval 1 described as "Wait 3", and its byte after
// --update=tables.
const std::string kEdited =
    replaced(kExample, "Wait 2    Wait 1    IF", "Wait 3    Wait 1    IF");
const std::string kUpdated =
    replaced(kEdited, "0x02,     0x01,     0x38", "0x03,     0x01,     0x38");
const std::string kNote =
    "gpif.c:173: note: bank 0 waveform 2 'FIFO Rd' interval 1 IF/Wait: "
    "'Wait 2' -> 'Wait 3' (0x02 -> 0x03)\n";

struct Updated {
  Outcome outcome;
  std::string text;  // of gpif.c afterwards
};

Updated update(const ScratchDir& scratch,
               const std::vector<std::string>& options,
               const std::string& source = kEdited) {
  std::ofstream(scratch.path() / "gpif.c", std::ios::binary) << source;
  std::vector<std::string> arguments = options;
  arguments.push_back("gpif.c");
  const Outcome outcome = run_wfpack(arguments, scratch.path());
  return {outcome, read(scratch.path() / "gpif.c")};
}

TEST(UpdateRun, RewritesTheSourceOrSaysWhatItWould) {
  for (const bool dry_run : {false, true}) {
    const ScratchDir scratch;
    const Updated run = update(
        scratch, dry_run ? std::vector<std::string>{"-n", "--update", "tables"}
                         : std::vector<std::string>{"--update=tables"});
    EXPECT_EQ(run.outcome.status, 0);
    EXPECT_EQ(run.outcome.output, "");
    EXPECT_EQ(run.outcome.errors, console_lines(kNote));
    EXPECT_EQ(run.text, dry_run ? kEdited : kUpdated);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), {}), 1);
  }
}

TEST(UpdateRun, LeavesASourceThatAgreesUntouched) {
  const ScratchDir scratch;
  std::ofstream(scratch.path() / "gpif.c", std::ios::binary) << kExample;
  // An hour ago, as the file system keeps it: Windows keeps 100 ns steps.
  fs::last_write_time(scratch.path() / "gpif.c",
                      fs::file_time_type::clock::now() - std::chrono::hours(1));
  const auto earlier = fs::last_write_time(scratch.path() / "gpif.c");
  for (const char* kind : {"--update=tables", "--update=description"}) {
    const Outcome outcome = run_wfpack({kind, "gpif.c"}, scratch.path());
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
  }
  EXPECT_EQ(fs::last_write_time(scratch.path() / "gpif.c"), earlier);
}

TEST(UpdateRun, FailsWholeAndLeavesTheSourceAsItWas) {
  const ScratchDir scratch;
  // A description that cannot be applied.
  const std::string unknown = replaced(kEdited, "Wait 3  ", "Wait 300");
  Updated run = update(scratch, {"--update=tables"}, unknown);
  EXPECT_EQ(run.outcome.status, 1);
  EXPECT_EQ(run.text, unknown);
  // A source its owner may not write.
  std::ofstream(scratch.path() / "gpif.c", std::ios::binary) << kEdited;
  fs::permissions(scratch.path() / "gpif.c", fs::perms::owner_write,
                  fs::perm_options::remove);
  Outcome outcome = run_wfpack({"--update=tables", "gpif.c"}, scratch.path());
  fs::permissions(scratch.path() / "gpif.c", fs::perms::owner_write,
                  fs::perm_options::add);
  EXPECT_EQ(outcome.status, kFailureExitStatus);
  EXPECT_EQ(outcome.errors,
            console_lines(
                kNote + "wfpack: cannot update 'gpif.c': " + kNoWrite + "\n"));
  EXPECT_EQ(read(scratch.path() / "gpif.c"), kEdited);
#ifndef _WIN32
  // A write that fails part way, as on a full disk.
  {
    const FileSizeLimit limit(4096);
    outcome = run_wfpack({"--update=tables", "gpif.c"}, scratch.path());
  }
  EXPECT_EQ(outcome.status, kFailureExitStatus);
  EXPECT_EQ(outcome.errors, kNote + "wfpack: cannot update 'gpif.c': " +
                                std::strerror(EFBIG) + "\n");
  EXPECT_EQ(read(scratch.path() / "gpif.c"), kEdited);
  // Through a symbolic link, to the file it names, whose mode stays.
  fs::rename(scratch.path() / "gpif.c", scratch.path() / "real.c");
  fs::create_symlink("real.c", scratch.path() / "gpif.c");
  fs::permissions(scratch.path() / "real.c", fs::perms(0640));
  outcome = run_wfpack({"--update=tables", "gpif.c"}, scratch.path());
  EXPECT_EQ(outcome.status, 0);
  EXPECT_TRUE(fs::is_symlink(scratch.path() / "gpif.c"));
  EXPECT_EQ(read(scratch.path() / "real.c"), kUpdated);
  EXPECT_EQ(fs::status(scratch.path() / "real.c").permissions(),
            fs::perms(0640));
#endif
  // Nothing but the sources is left behind.
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(scratch.path())) {
    EXPECT_TRUE(entry.path().filename() == "gpif.c" ||
                entry.path().filename() == "real.c")
        << entry.path();
    ++files;
  }
  EXPECT_GE(files, 1u);
}

}  // namespace
