// The same warnings however the source arrives, none for a source the
// design tool wrote, and values inside comments found exactly where a C
// compiler sees comments.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/comment_model.h"
#include "support/kernels.h"
#include "support/warning_sources.h"
#include "warnings/source_warnings.h"

namespace wfpack {
namespace {

using namespace testing_support;

struct NamedSource {
  const char* name;
  std::string text;
};

std::vector<std::size_t> chunk_sizes(std::size_t source_size,
                                     std::mt19937& random) {
  std::vector<std::size_t> sizes{1, 2, 3, 7, 64, 65537};
  std::uniform_int_distribution<std::size_t> any(1, source_size + 1);
  for (int i = 0; i < 6; ++i) sizes.push_back(any(random));
  return sizes;
}

std::vector<NamedSource> sources() {
  std::string long_declaration = "static const char xdata";
  while (long_declaration.size() < 140) long_declaration += " volatile";
  return {
      {"example", example_source()},
      {"design tool", design_tool_source()},
      {"multi-line comments in a table",
       "const char xdata WaveData[128] =\n{\n/* 0x01, 0x02,\n  0x03,\n"
       "0x04 */ 0x05, /* 0x06\n*/ 0x07 /**/ 0x08 /*/ 0x09 */ 0x0a\n};\n"},
      {"comments cut by chunk ends",
       "const char InitData[7] =\n{\n0x01/*0x02*/0x03//0x04\n0x05,/"
       "/0x06\n/\n*0x07*\n/0x08*/0x09/**/0x0a***/0x0b\n}\n"
       "0x0c/*/0x0d/*/0x0e*//0x0f\n};\n"},
      {"values run on past the table",
       whole_table("const char FlowStates7[36] =", 45) +
           whole_table("const char WaveData6[128] =", 300)},
      {"every kind of warning",
       "  IFCONFIG = 0x12;\nconst char WaveData_x[128] =\n"
       "const unsigned char InitData[7] =\n  IFCONFIG = 0x34;\n"
       "const char FlowStates5[36] =\n{\n// 0x01\n" +
           whole_table("const char WaveData3[128] =", 5) +
           "const char FlowStates[36] =\n{\n0x01\n"},
      {"a declaration longer than a line's prefix",
       long_declaration + " WaveData[128] =\n" + clean_tables()},
      {"values the compiler reads otherwise, a table inside a body",
       "IFCONFIG=0xCE;\nconst char InitData[7] = { 0x01 };\n" + value_rows(3) +
           "-0x01 ,0x02 |  0x03,0X04 a0x05 0x80000000\n" +
           std::string(70, ' ') + "0x01 <<\t0x02\n" + wave_table()},
      {"a table name longer than a line's prefix",
       "const char xdata WaveData_" + std::string(130, 'n') + "[128] =\n};\n" +
           clean_tables()},
  };
}

// Every test here runs once with each kernel.
class WarningArrival : public testing::TestWithParam<Kernel> {};
class ValuesInComment : public WarningArrival {};
INSTANTIATE_TEST_SUITE_P(Kernels, WarningArrival, every_kernel(),
                         kernel_test_name);
INSTANTIATE_TEST_SUITE_P(Kernels, ValuesInComment, every_kernel(),
                         kernel_test_name);

TEST_P(WarningArrival, SameWarningsWhateverTheChunkSize) {
  const Kernel kernel = GetParam();
  std::mt19937 random(20240611);
  for (const NamedSource& source : sources()) {
    SCOPED_TRACE(source.name);
    const ScanWarnings whole =
        scan_warnings(source.text, source.text.size() + 1, kernel);
    for (const std::size_t chunk : chunk_sizes(source.text.size(), random)) {
      EXPECT_EQ(scan_warnings(source.text, chunk, kernel), whole)
          << "chunk size " << chunk;
    }
    EXPECT_EQ(scan_warnings(with_crlf(source.text), 5, kernel), whole)
        << "CR LF";
  }
}

TEST_P(WarningArrival, UneditedDesignToolSourcesGiveNone) {
  const Kernel kernel = GetParam();
  std::mt19937 random(7);
  for (const NamedSource& source :
       {NamedSource{"example", example_source()},
        NamedSource{"design tool", design_tool_source()}}) {
    SCOPED_TRACE(source.name);
    ASSERT_GT(source.text.size(), 1000u);
    EXPECT_EQ(printed_warnings(source.text, kernel), "");
    EXPECT_EQ(printed_warnings(with_crlf(source.text), kernel), "");
    for (const std::size_t chunk : chunk_sizes(source.text.size(), random)) {
      EXPECT_TRUE(scan_warnings(source.text, chunk, kernel).shown.empty())
          << chunk;
    }
  }
}

// ------------------------------------------------- values inside comments

std::vector<comment_model::LineCount> scanner_counts(std::string_view source,
                                                     std::size_t chunk,
                                                     Kernel kernel) {
  GpifImage image;
  SourceWarnings warnings;
  scan_in_chunks(source, chunk, kernel, image, warnings);
  EXPECT_EQ(warnings.not_shown(), 0u);
  std::vector<comment_model::LineCount> counts;
  for (const Warning& warning : warnings.shown()) {
    if (warning.kind == Warning::Kind::ValuesInComment) {
      counts.push_back({warning.line, warning.count});
    }
  }
  return counts;
}

// Fewer than 40 lines, so that no warning is held back by the cap.
std::string random_body_source(std::mt19937& random) {
  static const char* const kPieces[] = {
      "0x12", "0x1", "0x",   "0x123", "0X12", "0xag", ",",   " ",
      "\t",   "/*",  "*/",   "//",    "/",    "*",    "/*/", "**/",
      "0",    "x",   "/**/", "}",     ";",    "a",    "-",   "<<"};
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> line_count(0, 36);
  std::uniform_int_distribution<int> piece_count(0, 14);
  std::string source = random() % 2 ? "" : "/* bank 0 */\n  IFCONFIG = 0xCE;\n";
  source += "const char xdata WaveData[128] =\n";
  for (int line = line_count(random); line > 0; --line) {
    for (int i = piece_count(random); i > 0; --i)
      source += kPieces[piece(random)];
    source += '\n';
  }
  if (random() % 4 != 0) source += "};\n";
  return source;
}

TEST_P(ValuesInComment, MatchTheModelOnRandomSources) {
  const Kernel kernel = GetParam();
  std::mt19937 random(1234);
  std::uniform_int_distribution<std::size_t> chunk(1, 80);
  std::size_t lines_with_comment_values = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::string source = random_body_source(random);
    const std::vector<comment_model::LineCount> expected =
        comment_model::values_in_comments(source);
    lines_with_comment_values += expected.size();
    ASSERT_EQ(scanner_counts(source, source.size() + 1, kernel), expected)
        << source;
    const std::size_t size = chunk(random);
    ASSERT_EQ(scanner_counts(source, size, kernel), expected)
        << "chunk size " << size << "\n"
        << source;
    ASSERT_EQ(scanner_counts(with_crlf(source), size, kernel), expected)
        << "CR LF, chunk size " << size << "\n"
        << source;
    // And every other warning, those about values read otherwise included.
    ASSERT_EQ(scan_warnings(source, size, kernel),
              scan_warnings(source, source.size() + 1, kernel))
        << "chunk size " << size << "\n"
        << source;
  }
  // The sources must exercise what they check.
  EXPECT_GT(lines_with_comment_values, 2000u);
}

TEST_P(ValuesInComment, ModelFollowsCommentsAsACompilerDoes) {
  // The model itself, on lines whose comments are known.
  const std::string source =
      "const char WaveData[128] =\n"
      "0x01 /* 0x02 */ 0x03 // 0x04 0x05\n"  // 2: 3 in comments
      "/*/ 0x06 */ 0x07 /* 0x08\n"           // 3: 2
      "0x09 */ 0x0a/*/*/0x0b 0x0c*/\n"       // 4: 1
      "0x0d//0x0e\n"                         // 5: 1
      "};\n"
      "/* 0x0f */\n";
  EXPECT_EQ(
      comment_model::values_in_comments(source),
      (std::vector<comment_model::LineCount>{{2, 3}, {3, 2}, {4, 1}, {5, 1}}));
  EXPECT_EQ(scanner_counts(source, source.size() + 1, GetParam()),
            comment_model::values_in_comments(source));
}

}  // namespace
}  // namespace wfpack
