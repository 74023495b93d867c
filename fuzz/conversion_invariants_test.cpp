#include "conversion_invariants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/kernels.h"

namespace wfpack {
namespace {

namespace fs = std::filesystem;

// Replays the fuzz seeds, the inputs that once broke a rule, and the
// project's own sources through the same checks as the fuzzer.
class ConversionInvariants : public testing::TestWithParam<Kernel> {};
INSTANTIATE_TEST_SUITE_P(Kernels, ConversionInvariants,
                         testing_support::every_kernel(),
                         testing_support::kernel_test_name);

TEST_P(ConversionInvariants, HoldForEveryCollectedInput) {
  const Kernel kernel = GetParam();
  const fs::path root = WFPACK_SOURCE_DIR;
  std::size_t inputs = 0;
  for (const char* dir :
       {"fuzz/seeds", "fuzz/regressions", "examples", "tests/data"}) {
    for (const auto& entry : fs::directory_iterator(root / dir)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string input{std::istreambuf_iterator<char>(in), {}};
      SCOPED_TRACE(entry.path().string());
      check_conversion_invariants(input, {&kernel, 1});
      ++inputs;
    }
  }
  EXPECT_GE(inputs, 10u);
}

}  // namespace
}  // namespace wfpack
