#include "reader/line_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace wfpack {
namespace {

using namespace std::string_literals;

// The line as the scanner would gather it, in chunks of the given size.
LinePrefix gather(std::string_view line, std::size_t chunk) {
  LinePrefix prefix;
  prefix.clear();
  for (std::size_t at = 0; at < line.size() && !prefix.complete();) {
    const std::string_view part = line.substr(at, chunk);
    at += static_cast<std::size_t>(
        prefix.take(part.data(), part.data() + part.size()) - part.data());
  }
  if (!prefix.complete()) prefix.end_line();
  return prefix;
}

TEST(LinePrefix, FoldsLongBlankRunsAndStopsAtTheLineEnd) {
  struct Case {
    std::string line;
    std::string text;
    bool line_ended;
  };
  for (const Case& c : {
           Case{"  IFCONFIG = 1\n0x2", "  IFCONFIG = 1", true},
           Case{"const     char\t\t\t\txdata", "const   char\t\t\txdata", true},
           Case{"a \t \t b", "a \t b", true},
           Case{"x\0y"s, "x", true},
           Case{std::string(200, 'q'), std::string(128, 'q'), false},
           Case{std::string(500, ' ') + "c", "   c", true},
       }) {
    for (std::size_t chunk : {1u, 2u, 5u, 1000u}) {
      const LinePrefix prefix = gather(c.line, chunk);
      EXPECT_EQ(prefix.text(), c.text) << c.line << " in chunks of " << chunk;
      EXPECT_EQ(prefix.line_ended(), c.line_ended) << c.line;
    }
  }
}

}  // namespace
}  // namespace wfpack
