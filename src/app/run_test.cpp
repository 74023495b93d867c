#include "app/run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace wfpack {
namespace {

namespace fs = std::filesystem;

const std::string kBanner =
    "*********** Tabulon V1.0 by ZENOWARE(zenoware.example) **********\n";
const std::string kUsage =
    "USAGE: wfpack gpif.c\n       --> create gpif_dat.c & gpif_dat.bin file.\n";

struct RunResult {
  int status;
  std::string console;
};

RunResult run_with(std::initializer_list<const char*> arguments) {
  std::vector<const char*> args{"wfpack"};
  args.insert(args.end(), arguments);
  std::ostringstream console;
  const int status = run(args, console);
  return {status, console.str()};
}

// Each test works in a directory of its own, so relative names stay local.
class Run : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing::TempDir()) /
           ("wfpack_run_" +
            std::string(
                testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  static void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
  fs::path previous_;
};

TEST_F(Run, WrongArgumentCountPrintsUsageAndSucceeds) {
  for (const RunResult& result : {run_with({}), run_with({"a.c", "b.c"}),
                                  run_with({"a.c", "b.c", "c.c"})}) {
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console, kBanner + kUsage);
  }
  EXPECT_TRUE(files().empty());
}

TEST_F(Run, SourceThatCannotBeOpenedFails) {
  fs::create_directory("dir.c");
  for (const char* name : {"missing.c", "dir.c", "no/such/dir/gpif.c", ""}) {
    const RunResult result = run_with({name});
    EXPECT_EQ(result.status, -1) << name;
    EXPECT_EQ(result.console,
              kBanner + "File open err (" + std::string(name) + ").\n");
  }
  EXPECT_EQ(files(), std::vector<std::string>{"dir.c"});
}

TEST_F(Run, ReadFailureIsNotSuccess) {
  // Reading a process's own memory at offset 0 fails after a good open.
  const char* name = "/proc/self/mem";
  if (!fs::exists(name)) GTEST_SKIP() << "no /proc here";
  const RunResult result = run_with({name});
  EXPECT_EQ(result.status, -1);
  EXPECT_EQ(result.console, kBanner + "File read err (/proc/self/mem).\n");
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
}

}  // namespace
}  // namespace wfpack
