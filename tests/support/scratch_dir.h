// A fresh directory for the running test alone, removed again when the test
// ends, so that tests, and test runs side by side, never see each other's
// files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace wfpack::testing_support {

class ScratchDir {
 public:
  ScratchDir()
      : path_(std::filesystem::path(testing::TempDir()) /
              ("wfpack_" + std::to_string(getpid()) + "_" + test_name())) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  static std::string test_name() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "_" + test->name();
  }

  std::filesystem::path path_;
};

}  // namespace wfpack::testing_support
