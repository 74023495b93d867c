// The SVG view keeps every text apart: for sources with long names, long
// waits, loops, unreached intervals and flow states, no two texts' boxes
// meet, as the monospace widths the layout assumes give them.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/source_text.h"
#include "view/svg_layout.h"
#include "view/view.h"

namespace wfpack {
namespace {

using namespace view::svg;

struct Box {
  int left, top, right, bottom;
  std::string text;
};

std::string unescaped(std::string text) {
  for (const auto& [entity, c] : {std::pair{"&lt;", "<"},
                                  {"&gt;", ">"},
                                  {"&quot;", "\""},
                                  {"&amp;", "&"}}) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
      text.replace(at, std::string_view(entity).size(), c);
    }
  }
  return text;
}

TEST(SvgView, NoTwoTextsMeet) {
  for (const char* name :
       {"examples/gpif.c", "tests/data/all_banks.c", "tests/data/odd_names.c",
        "tests/data/long_wait.c"}) {
    const std::string svg = testing_support::shown(
        testing_support::project_file(name), ViewFormat::Svg);
    const std::regex text(
        "<text x=\"(\\d+)\" y=\"(\\d+)\"(?: class=\"(\\w+)[^\"]*\")?>([^<]*)<");
    std::vector<Box> boxes;
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end;
         ++it) {
      const std::string style = (*it)[3];
      const int size = style == "t"   ? kTitleSize
                       : style == "n" ? kNameSize
                       : style == "l" ? kLabelSize
                                      : kSmallSize;
      const int x = std::stoi((*it)[1]);
      const int y = std::stoi((*it)[2]);
      const std::string words = unescaped((*it)[4]);
      boxes.push_back({x, y - size + 2, x + text_width(words, size), y, words});
    }
    ASSERT_GT(boxes.size(), 10u) << name;
    for (std::size_t a = 0; a < boxes.size(); ++a) {
      for (std::size_t b = a + 1; b < boxes.size(); ++b) {
        const Box& p = boxes[a];
        const Box& q = boxes[b];
        EXPECT_FALSE(p.left < q.right && q.left < p.right && p.top < q.bottom &&
                     q.top < p.bottom)
            << name << ": '" << p.text << "' meets '" << q.text << "'";
      }
    }
  }
}

}  // namespace
}  // namespace wfpack
