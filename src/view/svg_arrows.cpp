// Where each reached decision point goes: an arrow a row under the lanes,
// from the decision point down, along, and up into the interval it goes to
// (back into itself, to an earlier interval, on, or into Idle, where the
// waveform ends), labelled with the logic value and the design tool's
// word for the branch.
#include "view/svg_parts.h"

namespace wfpack::view::svg {

namespace {

constexpr int kCorner = 4;

}  // namespace

void put_arrows(Svg& svg, const Block& block) {
  for (std::size_t a = 0; a < block.arrow_count; ++a) {
    const Arrow& arrow = block.arrows[a];
    const int y = block.arrows_top + 10 + kArrowRow * static_cast<int>(a);
    const int from = arrow_from_x(block, arrow);
    const int to = arrow_to_x(block, arrow);
    const int way = to < from ? -1 : 1;
    const int top = block.arrows_top + 1;
    // Down, a rounded corner, along, a rounded corner, up to the head.
    svg << "<path class=\"r\" d=\"M" << from << ' ' << top << "V" << y - kCorner
        << "q0 " << kCorner << ' ' << way * kCorner << ' ' << kCorner << "H"
        << to - way * kCorner << "q" << way * kCorner << " 0 " << way * kCorner
        << ' ' << -kCorner << "V" << top + 5 << "\"/>\n<path class=\"h\" d=\"M"
        << to - 3 << ' ' << top + 6 << "L" << to << ' ' << top << "L" << to + 3
        << ' ' << top + 6 << "z\"/>\n";
    svg.text(arrow_label_x(block, arrow), y - 3, "a", arrow.label);
  }
}

}  // namespace wfpack::view::svg
