// Every kernel of the value search that this build has and this processor
// runs, for tests that run once per kernel, with the kernel's name in the
// test's name.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/value_engine.h"

namespace wfpack::testing_support {

inline std::string kernel_name(Kernel kernel) {
  constexpr const char* kNames[] = {"portable", "sse2", "avx2"};
  return kNames[static_cast<int>(kernel)];
}

inline auto every_kernel() {
  return testing::ValuesIn(usable_kernels().begin(), usable_kernels().end());
}

inline std::string kernel_test_name(
    const testing::TestParamInfo<Kernel>& info) {
  return kernel_name(info.param);
}

// A case of a table, run with every kernel: its name, then the kernel's.
template <class Case>
std::string case_and_kernel_name(
    const testing::TestParamInfo<std::tuple<Case, Kernel>>& info) {
  return std::string(std::get<0>(info.param).name) + "_" +
         kernel_name(std::get<1>(info.param));
}

}  // namespace wfpack::testing_support
