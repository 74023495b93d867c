// The SVG view: a timing diagram for each waveform, true in time. The
// horizontal axis is IFCLK cycles, with the earliest cycle and time each
// interval can start at; a trace per CTL output and the data bus under
// the interval labels; the decision points' arrows; what each interval
// does besides; the flow state's bytes. Intervals no run reaches are
// faint. One standalone document, its text kept as text.
#include <algorithm>

#include "image/byte_text.h"
#include "view/svg_parts.h"

namespace wfpack::view::svg {

namespace {

void put_labels(Svg& svg, const Waveform& waveform, const Timing& timing,
                const Block& block) {
  const int top = block.top;
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const bool reached = timing.intervals[i].reached;
    const int x = block.x[i] + kPad;
    svg.text(x, top + kLabelBase, reached ? "l" : "l u",
             cell(waveform, Row::IfWait, i).view());
    if (!reached) svg.text(x, top + kLabel2Base, "x", "not reached");
    if (waveform.intervals[i].decision) {
      svg.text(x, top + kLabel2Base + kRow * (block.logic_row[i] + 1),
               reached ? "s" : "s u",
               logic_text(waveform, waveform.intervals[i].logic));
    }
    const Notes said = notes(waveform, i);
    for (std::size_t n = 0; n < said.count; ++n) {
      svg.text(x, block.notes_top + kNoteRow * static_cast<int>(n + 1) - 2,
               reached ? "m" : "m u", said.words[n].view());
    }
  }
  svg.text(block.x[kIdleColumn] + kPad, top + kLabelBase, "l", "Idle");
}

std::array<std::string, 2> flow_footer(const Waveform& waveform) {
  if (!waveform.flow.enabled) return {};
  const FlowState& flow = waveform.flow;
  std::string bytes = "Flow state in interval " +
                      std::to_string(flow.interval) + ": FLOWLOGIC " +
                      logic_text(waveform, flow.logic);
  bytes += ", ";
  append_strobe_bytes(bytes, flow);
  return {bytes,
          "How the strobe bytes shape the data, and how long the flow lasts, "
          "are not known: the flow state is not drawn to scale."};
}

void put_waveform(Svg& svg, const Waveform& waveform, const Timing& timing,
                  const Block& block, const std::string& title,
                  const std::array<std::string, 2>& footer,
                  std::string_view role) {
  const int top = block.top;
  svg.text(kPad, top + kTitleBase, "t", title);
  // The idle state, which the chip never executes as an interval, shaded.
  svg << "<rect class=\"i\" x=\"" << block.x[kIdleColumn] << "\" y=\""
      << top + kAxisLine << "\" width=\"" << kIdle << "\" height=\""
      << block.arrows_top - top - kAxisLine << "\"/>\n<path class=\"g\" d=\"";
  for (std::size_t column = 0; column <= kColumnCount; ++column) {
    svg << "M" << block.x[column] << ' ' << top + kAxisLine << "V"
        << block.arrows_top;
  }
  svg << "\"/>\n";
  put_axis(svg, waveform, timing, block);
  put_lanes(svg, waveform, block, role);
  put_overlays(svg, waveform, timing, block);
  put_labels(svg, waveform, timing, block);
  put_arrows(svg, block);
  for (std::size_t line = 0; line < footer.size(); ++line) {
    svg.text(kPad, block.footer + kNoteRow * static_cast<int>(line), "s",
             footer[line]);
  }
}

}  // namespace

}  // namespace wfpack::view::svg

namespace wfpack::view {

std::string render_svg(const GpifImage& image, const BankNames& names) {
  using namespace svg;
  std::string body;
  body.reserve(4096 + 16384 * used_bank_count(image));
  Svg writer(body);
  const Initialization init = decode_initialization(image);
  const Clock clock = interface_clock(image.IfConfig);
  int top = 4;
  int width = 0;
  for_each_waveform(
      image, names,
      [&](std::size_t bank, std::size_t index, const Waveform& waveform) {
        const Timing timing = waveform_timing(waveform, clock);
        const std::string title = waveform_title(bank, index, waveform, init) +
                                  "; " + shortest_pass(timing);
        const std::array<std::string, 2> footer = flow_footer(waveform);
        const Block block = lay_out(waveform, timing, title, footer, top);
        put_waveform(writer, waveform, timing, block, title, footer,
                     data_role(index, init));
        top += block.height;
        width = std::max(width, block.right);
      });
  const int height = top + 6;
  width = std::max(width, kLeft);
  std::string out;
  out.reserve(body.size() + 1024);
  Svg svg(out);
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
      << width << "\" height=\"" << height << "\" viewBox=\"0 0 " << width
      << ' ' << height
      << "\">\n"
         "<style>text{font-family:monospace;font-size:"
      << kSmallSize << "px;fill:#000}.t{font-size:" << kTitleSize
      << "px;font-weight:bold}.n{font-size:" << kNameSize
      << "px}.l{font-size:" << kLabelSize
      << "px}.u{fill:#999}.x{fill:#c00}.c{fill:#555}"
         ".a{fill:#a40;stroke:#fff;stroke-width:3px;paint-order:stroke}"
         ".m{fill:#05a}.g{stroke:#ddd;fill:none}.k{stroke:#555;fill:none}"
         ".w{stroke:#000;stroke-width:1.5;fill:none}"
         ".z{stroke:#888;stroke-width:1.5;stroke-dasharray:4 3;fill:none}"
         ".d{stroke:#000;fill:#cde}.e{stroke:#000;stroke-width:1.5;"
         "fill:#ecdff5}.i{fill:#f2f2f2}.f{fill:#fff;fill-opacity:0.6}"
         ".bk{fill:#fff}.r{stroke:#a40;fill:none}.h{fill:#a40}"
         "</style>\n"
         "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  out += body;
  out += "</svg>\n";
  return out;
}

}  // namespace wfpack::view
