// Warning cases, each a source and exactly what is printed for it, and the
// check every case goes through.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "support/kernels.h"
#include "support/warning_sources.h"

namespace wfpack::testing_support {

struct Case {
  std::string name;
  std::string source;
  std::string expected;  // what report_warnings prints for "gpif.c"
};

inline void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// Each case of a table, run with every kernel.
using KernelCase = std::tuple<Case, Kernel>;

template <class... Cases>
auto with_every_kernel(Cases... cases) {
  return testing::Combine(testing::Values(cases...), every_kernel());
}

inline std::string case_name(const testing::TestParamInfo<KernelCase>& info) {
  return case_and_kernel_name(info);
}

// A source that gives no warning of its own, after the case's lines.
inline Case quiet(std::string name, const std::string& lines) {
  return {std::move(name), lines + clean_tables(), ""};
}
inline Case warns(std::string name, const std::string& lines,
                  std::string expected) {
  return {std::move(name), lines + clean_tables(), std::move(expected)};
}

// A table with the case's lines first, padded with
// plain values to the table's size.
inline std::string table_with(const std::string& header,
                              const std::string& lines,
                              std::size_t values_in_lines, std::size_t size) {
  return header + "\n{\n" + lines + value_rows(size - values_in_lines) + "};\n";
}
inline std::string wave_with(const std::string& lines, std::size_t values) {
  return table_with("const char xdata WaveData[128] =", lines, values, 128);
}

inline std::size_t line_count(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// The printed lines, the same with CR LF line ends, and the same warnings
// in any chunk size.
inline void expect_printed(const KernelCase& param) {
  const auto& [c, kernel] = param;
  EXPECT_EQ(printed_warnings(c.source, kernel), c.expected) << c.source;
  EXPECT_EQ(printed_warnings(with_crlf(c.source), kernel), c.expected)
      << "CR LF";
  const ScanWarnings whole =
      scan_warnings(c.source, c.source.size() + 1, kernel);
  for (const std::size_t chunk : {1u, 2u, 3u, 7u, 64u, 65537u}) {
    EXPECT_EQ(scan_warnings(c.source, chunk, kernel), whole)
        << "chunk size " << chunk;
  }
}

}  // namespace wfpack::testing_support
