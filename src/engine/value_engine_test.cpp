// The value search with each kernel, against a plain model of the format:
// what it reads, and where it hands on to the scanner.
#include "engine/value_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/kernels.h"
#include "support/reference_scan.h"

namespace wfpack {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A copy of text in an allocation of exactly its size, so that the address
// sanitizer catches any look past its end.
struct ExactCopy {
  explicit ExactCopy(const std::string& text)
      : bytes(std::make_unique<char[]>(text.size())), size(text.size()) {
    std::copy(text.begin(), text.end(), bytes.get());
  }
  const char* begin() const { return bytes.get(); }
  const char* end() const { return bytes.get() + size; }
  std::unique_ptr<char[]> bytes;
  std::size_t size;
};

// Random text drawn mostly from the characters the searches look for.
std::string random_text(std::mt19937& random, std::size_t size) {
  static const std::string alphabet("00000xxxX\n\n\0,  ;/*/*1aF9gG}\r\t", 29);
  std::string text(size, ' ');
  for (char& c : text) {
    c = random() % 4 == 0 ? static_cast<char>(random() % 256)
                          : alphabet[random() % alphabet.size()];
  }
  return text;
}

// The values a plain model of the format finds on the lines of text, a NUL
// hiding the rest of its line.
Bytes model_values(std::string_view text) {
  std::vector<std::uint8_t> table(text.size());
  reference::Body body{true, table.data(), 0, table.size()};
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t line_feed = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, line_feed - start);
    reference::scan_values(line.substr(0, line.find('\0')), body);
    start = line_feed + 1;
  }
  table.resize(body.next);
  return table;
}

ValueRun run_into(Bytes& table, std::size_t capacity) {
  ValueRun run;
  run.next = table.data();
  run.table_end = table.data() + capacity;
  return run;
}

// The values read from a text, followed by those the model finds from where
// it stopped, must be the values of the whole text; those past the table's
// end are counted, not stored.
void expect_consistent(Kernel kernel, const std::string& text,
                       std::size_t capacity) {
  const ExactCopy copy(text);
  Bytes table(capacity + 1, 0xEE);
  ValueRun run = run_into(table, capacity);
  const char* stop = read_values(kernel, copy.begin(), copy.end(), run);
  ASSERT_GE(stop, copy.begin());
  ASSERT_LE(stop, copy.end());
  EXPECT_EQ(run.line_feeds,
            static_cast<std::size_t>(std::count(copy.begin(), stop, '\n')));
  const std::string_view passed(copy.begin(),
                                static_cast<std::size_t>(stop - copy.begin()));
  for (std::size_t at = passed.find('\n'); at != std::string_view::npos;
       at = passed.find('\n', at + 1)) {
    EXPECT_FALSE(at + 1 < passed.size() &&
                 (passed[at + 1] == '}' ||
                  std::isalpha(static_cast<unsigned char>(passed[at + 1])) ||
                  passed[at + 1] == '_'))
        << "ran into a line the caller must see: "
        << testing::PrintToString(text);
  }
  EXPECT_EQ(table[capacity], 0xEE) << "stored past the table";
  const Bytes whole = model_values(text);
  const Bytes stored(table.data(), run.next);
  const std::size_t read = stored.size() + run.dropped;
  ASSERT_LE(read, whole.size()) << testing::PrintToString(text);
  EXPECT_EQ(stored,
            Bytes(whole.begin(),
                  whole.begin() + static_cast<std::ptrdiff_t>(stored.size())));
  EXPECT_TRUE(run.dropped == 0 || stored.size() == capacity);
  const Bytes rest = model_values(
      std::string_view(stop, static_cast<std::size_t>(copy.end() - stop)));
  EXPECT_EQ(
      Bytes(whole.begin() + static_cast<std::ptrdiff_t>(read), whole.end()),
      rest)
      << testing::PrintToString(text);
  // Handed on at a byte the scanner must look at.
  EXPECT_TRUE(stop == copy.end() ||
              std::string_view("0\n\0/*", 5).find(*stop) !=
                  std::string_view::npos)
      << testing::PrintToString(text);
}

class ReadValues : public testing::TestWithParam<Kernel> {};
INSTANTIATE_TEST_SUITE_P(Kernels, ReadValues, testing_support::every_kernel(),
                         testing_support::kernel_test_name);

TEST_P(ReadValues, ReadsTheDesignToolsLayoutsWhole) {
  struct Case {
    const char* name;
    const char* separator;
    const char* label;
  };
  std::mt19937 random(3);
  for (const Case& c :
       {Case{"packed", ",", "/* LenBr */ "},
        Case{"padded", ",     ", "/* Opcode*/ "}, Case{"blanks", " ", ""},
        Case{"commented", ", /* 0 */ ", "// "}}) {
    std::string line = c.label;
    Bytes expected;
    for (int i = 0; i < 40; ++i) {
      const auto byte = static_cast<std::uint8_t>(random());
      char value[8];
      std::snprintf(value, sizeof value, i % 2 ? "0x%02X" : "0x%02x", byte);
      line += value;
      line += c.separator;
      expected.push_back(byte);
    }
    const std::string text = line + "\n};" + std::string(100, ' ');
    const ExactCopy copy(text);
    Bytes table(200);
    ValueRun run = run_into(table, table.size());
    const char* stop = read_values(GetParam(), copy.begin(), copy.end(), run);
    std::uint8_t* next = run.next;
    EXPECT_EQ(stop - copy.begin(), static_cast<std::ptrdiff_t>(line.size()))
        << c.name;
    EXPECT_EQ(Bytes(table.data(), next), expected) << c.name;
  }
}

TEST_P(ReadValues, HandsEveryOtherFormOnWhereTheModelAgrees) {
  const std::string filler(80, ' ');
  using namespace std::string_literals;
  for (const std::string& line : std::vector<std::string>{
           "0x12,0x123,0x45"s, "0x12,0x1,0x45", "0x12,0x,0x45",
           "0x12,0X34,0x56", "0x10x55,0x66", "0x12\r0x34", "0x120x34",
           "0x12,0x34\n0x56", "0x12,0x34\0 0x56"s, "a0x12b0x34c", "0x0x0x0x12",
           "00x12 000x3 0x00"}) {
    for (std::size_t capacity : {0u, 1u, 2u, 100u}) {
      expect_consistent(GetParam(), filler + line + filler, capacity);
      expect_consistent(GetParam(), line + filler, capacity);
    }
  }
  std::mt19937 random(5);
  for (int i = 0; i < 3000; ++i) {
    expect_consistent(GetParam(), random_text(random, 60 + random() % 200),
                      random() % 2 ? 1000 : random() % 10);
  }
}

// Past a full table the values of long lines are only counted, a window at
// a time: each pattern, repeated on one line at every offset from a window's
// start, must count what the model reads.
TEST_P(ReadValues, CountsTheValuesOfLongLinesPastAFullTable) {
  using namespace std::string_literals;
  for (const std::string& unit : std::vector<std::string>{
           "0x12,0x34 /* words */ "s, "0x12,", "0x1,0x,", "0x10x5,",
           "0x0x0x12 ", "a0x12 f0x3 x0x4 ", "0x" + std::string(90, 'A') + " ",
           "0x" + std::string(61, '7') + ",", "0X12 00x34 ", "0x12\r"}) {
    std::string line;
    while (line.size() < 700) line += unit;
    for (std::size_t offset = 0; offset < 64; ++offset) {
      for (std::size_t capacity : {0u, 3u}) {
        expect_consistent(
            GetParam(),
            std::string(offset, ' ') + line + "\n};" + std::string(100, ' '),
            capacity);
      }
    }
  }
}

}  // namespace
}  // namespace wfpack
