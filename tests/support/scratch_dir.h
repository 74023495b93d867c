// A fresh directory for the running test alone, removed again when the test
// ends, so that tests, and test runs side by side, never see each other's
// files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace wfpack::testing_support {

class ScratchDir {
 public:
  ScratchDir() : path_(fresh_directory()) {}
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

  // The test's name and a random number; create_directory reports whether
  // it made the directory itself, so a name another run holds is never
  // shared but passed over.
  static std::filesystem::path fresh_directory() {
    const std::filesystem::path parent(testing::TempDir());
    std::filesystem::create_directories(parent);
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
      const std::filesystem::path candidate =
          parent / ("wfpack_" + test_name() + "_" + std::to_string(random()));
      if (std::filesystem::create_directory(candidate)) return candidate;
    }
  }

  std::filesystem::path path_;
};

}  // namespace wfpack::testing_support
