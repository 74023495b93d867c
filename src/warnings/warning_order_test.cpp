// Warnings come in source order, however late each is known, those about
// the whole source last; at most SourceWarnings::kShown are kept, the
// first ones by line, and the rest are counted.
#include <gtest/gtest.h>

#include <string>

#include "support/warning_sources.h"
#include "warnings/source_warnings.h"

namespace wfpack {
namespace {

using namespace testing_support;

std::string renamed_tables(std::size_t count) {
  std::string lines;
  for (std::size_t i = 0; i < count; ++i) {
    lines += "const char xdata InitData_" + std::to_string(i) + "[7] =\n";
  }
  return lines;
}

std::string renamed_warning(std::size_t line, std::size_t i) {
  return "gpif.c:" + std::to_string(line) + ": warning: table 'InitData_" +
         std::to_string(i) + "' is not read: only 'InitData[7] =' is read\n";
}

TEST(WarningOrder, BodyWarningsStandAtTheHeaderBeforeThoseInside) {
  const std::string source =
      "const char InitData_x[7] =\n"                         // 1
      "const char xdata WaveData[128] =\n"                   // 2
      "{\n"                                                  // 3
      "/* 0x01 */\n" +                                       // 4
      value_rows(128) +                                      // 5-20
      "};\n"                                                 // 21
      "  IFCONFIG = 0x01;\n"                                 // 22
      "const char xdata FlowStates3[36] =\n{\n0x01\n};\n" +  // 23
      "  IFCONFIG = 0x02;\n";                                // 27
  EXPECT_EQ(printed_warnings(source),
            "gpif.c:1: warning: table 'InitData_x' is not read: only "
            "'InitData[7] =' is read\n"
            "gpif.c:2: warning: WaveData bank 0 holds 129 values, not 128\n"
            "gpif.c:4: warning: 1 value inside a comment was read into "
            "WaveData bank 0\n"
            "gpif.c:23: warning: FlowStates bank 3 holds 1 value, not 36\n"
            "gpif.c:23: warning: FlowStates bank 3 is not in the image: bank "
            "3 has no WaveData table\n"
            "gpif.c:27: warning: IFCONFIG is set again: 0x02 replaces 0x01\n"
            "gpif.c: warning: no InitData table; its 7 bytes are 0x00\n"
            "gpif.c: warning: bank 0 has no FlowStates table; its 36 bytes "
            "are 0x00\n");
}

TEST(WarningOrder, WholeSourceWarningsComeLastInTheirOwnOrder) {
  // Banks declared high first: their warnings still go by bank.
  const std::string source =
      "const char FlowStates6[36] =\n};\n" + wave_table('5') + wave_table('2');
  EXPECT_EQ(printed_warnings(source),
            "gpif.c:1: warning: FlowStates bank 6 holds 0 values, not 36\n"
            "gpif.c:1: warning: FlowStates bank 6 is not in the image: bank "
            "6 has no WaveData table\n"
            "gpif.c: warning: no IFCONFIG line; IFCONFIG is 0x00\n"
            "gpif.c: warning: no InitData table; its 7 bytes are 0x00\n"
            "gpif.c: warning: bank 2 has no FlowStates table; its 36 bytes "
            "are 0x00\n"
            "gpif.c: warning: bank 5 has no FlowStates table; its 36 bytes "
            "are 0x00\n");
}

TEST(WarningCap, ShowsTheFirstFiftyAndCountsTheRest) {
  ASSERT_EQ(SourceWarnings::kShown, 50u);
  std::string expected;
  for (std::size_t i = 0; i < 50; ++i) expected += renamed_warning(i + 1, i);
  EXPECT_EQ(printed_warnings(renamed_tables(60) + clean_tables()),
            expected + "gpif.c: warning: 10 more warnings not shown\n");
  // Exactly fifty: nothing more to count.
  EXPECT_EQ(printed_warnings(renamed_tables(50) + clean_tables()), expected);
  // A whole-source warning then is one too many.
  EXPECT_EQ(printed_warnings(renamed_tables(50) + init_table() + wave_table() +
                             flow_table()),
            expected + "gpif.c: warning: 1 more warning not shown\n");
}

TEST(WarningCap, AWarningKnownLateStillLandsAtItsLine) {
  // A table body's size is known at its end, after the comment values in it;
  // whether bank 7 is used, at the end of the source. Either warning still
  // comes first, at line 1, and pushes the last shown one out.
  std::string comment_lines;
  std::string comment_warnings;
  for (std::size_t line = 3; line < 3 + 60; ++line) {
    comment_lines += "/* 0x01 */\n";
    if (line < 3 + 49) {
      comment_warnings += "gpif.c:" + std::to_string(line) +
                          ": warning: 1 value inside a comment was read "
                          "into WaveData bank 0\n";
    }
  }
  std::string renamed_warnings;
  for (std::size_t i = 0; i < 49; ++i) {
    renamed_warnings += renamed_warning(9 + i, i);
  }
  const std::string more = "gpif.c: warning: 11 more warnings not shown\n";
  EXPECT_EQ(printed_warnings("const char WaveData[128] =\n{\n" + comment_lines +
                             "};\n" + clean_tables()),
            "gpif.c:1: warning: WaveData bank 0 holds 60 values, not 128\n" +
                comment_warnings + more);
  EXPECT_EQ(printed_warnings(whole_table("const char FlowStates7[36] =", 36) +
                             renamed_tables(60) + clean_tables()),
            "gpif.c:1: warning: FlowStates bank 7 is not in the image: bank "
            "7 has no WaveData table\n" +
                renamed_warnings + more);
}

TEST(WarningCap, LeavesTheRestCountedInAnyChunkSize) {
  const std::string source = renamed_tables(70) + "  IFCONFIG = 0x01;\n" +
                             "const char WaveData[128] =\n{\n// 0x01\n";
  const ScanWarnings whole =
      scan_warnings(source, source.size() + 1, best_kernel());
  ASSERT_EQ(whole.shown.size(), 50u);
  EXPECT_EQ(whole.shown.back().line, 50u);
  // Body size, not closed, comment values, no InitData, no FlowStates.
  EXPECT_EQ(whole.not_shown, 20u + 5u);
  for (const std::size_t chunk : {1u, 5u, 64u, 4096u}) {
    EXPECT_EQ(scan_warnings(source, chunk, best_kernel()), whole) << chunk;
  }
}

}  // namespace
}  // namespace wfpack
