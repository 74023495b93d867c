#include "conversion_invariants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace wfpack {
namespace {

namespace fs = std::filesystem;

// Replays the fuzz seeds, the inputs that once broke a rule, and the
// project's own sources through the same checks as the fuzzer.
TEST(ConversionInvariants, HoldForEveryCollectedInput) {
  const fs::path root = WFPACK_SOURCE_DIR;
  std::size_t inputs = 0;
  for (const char* dir :
       {"fuzz/seeds", "fuzz/regressions", "examples", "tests/data"}) {
    for (const auto& entry : fs::directory_iterator(root / dir)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string input{std::istreambuf_iterator<char>(in), {}};
      SCOPED_TRACE(entry.path().string());
      check_conversion_invariants(input);
      ++inputs;
    }
  }
  EXPECT_GE(inputs, 10u);
}

}  // namespace
}  // namespace wfpack
