// The SVG view: a timing diagram for each waveform, one column per
// interval and Idle, a trace per CTL output, the data bus, and what each
// interval does besides; one standalone document, its text kept as text.
#include <charconv>

#include "view/escape.h"
#include "view/shown.h"

namespace wfpack::view {

namespace {

constexpr int kLeft = 80;  // the traces' names
constexpr int kColumn = 120;
constexpr int kWidth = kLeft + kColumn * static_cast<int>(kColumnCount) + 10;
constexpr int kLane = 28;      // a trace's height
constexpr int kTracesAt = 60;  // below the title and the interval labels
constexpr int kBusAt = kTracesAt + kLane * static_cast<int>(kCtlCount);
constexpr int kNotesAt = kBusAt + kLane + 8;
constexpr int kLineStep = 11;  // between lines of small text
constexpr int kBlock = kNotesAt + 7 * kLineStep + 12;

class Svg {
 public:
  explicit Svg(std::string& out) : out_(out) {}

  Svg& operator<<(std::string_view text) {
    out_ += text;
    return *this;
  }
  Svg& operator<<(char c) {
    out_ += c;
    return *this;
  }
  Svg& operator<<(int number) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out_.append(digits, end);
    return *this;
  }
  void text(int x, int y, std::string_view style, std::string_view words) {
    *this << "<text x=\"" << x << "\" y=\"" << y << "\"";
    if (!style.empty()) *this << " class=\"" << style << "\"";
    *this << ">";
    append_xml(out_, words);
    *this << "</text>\n";
  }

 private:
  std::string& out_;
};

int column_x(std::size_t column) {
  return kLeft + kColumn * static_cast<int>(column);
}

// High, low or floating, a column at a time; no line where a CTL output
// has no level.
void put_trace(Svg& svg, const Waveform& waveform, std::size_t ctl, int top) {
  svg.text(4, top + 16, "n", waveform.ctl_names[ctl].view());
  const auto binary = [](Level level) {
    return level == Level::High || level == Level::Low;
  };
  Level previous = Level::None;
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    const Level level = waveform.levels[ctl][column];
    const int x = column_x(column);
    if (binary(previous) && !binary(level)) svg << "\"/>\n";
    if (level == Level::Floating) {
      svg << "<path class=\"z\" d=\"M" << x << ' ' << top + 12 << "h" << kColumn
          << "\"/>\n";
    }
    if (binary(level)) {
      const int y = top + (level == Level::High ? 4 : 20);
      if (binary(previous)) {
        svg << "V" << y;
      } else {
        svg << "<path class=\"w\" d=\"M" << x << ' ' << y;
      }
      svg << "h" << kColumn;
    }
    previous = level;
  }
  if (binary(previous)) svg << "\"/>\n";
}

void put_waveform(Svg& svg, const std::string& title, const Waveform& waveform,
                  int top) {
  svg.text(4, top + 18, "t", title);
  // The idle state, which the chip never executes as an interval, shaded.
  svg << "<rect class=\"i\" x=\"" << column_x(kIdleColumn) << "\" y=\""
      << top + 26 << "\" width=\"" << kColumn << "\" height=\"" << kNotesAt - 30
      << "\"/>\n";
  for (std::size_t column = 0; column <= kColumnCount; ++column) {
    svg << "<path class=\"g\" d=\"M" << column_x(column) << ' ' << top + 26
        << "V" << top + kNotesAt - 4 << "\"/>\n";
  }
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    const int x = column_x(column) + 4;
    // "IF A op B" on two lines, "IF" above the logic.
    if (column < kIntervalCount && waveform.intervals[column].decision) {
      svg.text(x, top + 40, "", "IF");
      svg.text(x, top + 52, "",
               logic_text(waveform, waveform.intervals[column].logic));
    } else {
      svg.text(x, top + 40, "", interval_label(waveform, column));
    }
  }
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    put_trace(svg, waveform, ctl,
              top + kTracesAt + kLane * static_cast<int>(ctl));
  }
  const int bus = top + kBusAt;
  svg.text(4, bus + 16, "n", "DATA");
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const Interval& interval = waveform.intervals[i];
    const int x = column_x(i);
    if (interval.data) {
      svg << "<path class=\"d\" d=\"M" << x << ' ' << bus + 12 << "l4 -8h"
          << kColumn - 8 << "l4 8l-4 8h" << 8 - kColumn << "z\"/>\n";
    } else {
      svg << "<path class=\"z\" d=\"M" << x << ' ' << bus + 12 << "h" << kColumn
          << "\"/>\n";
    }
    // What the interval does besides, and a decision's targets.
    int y = top + kNotesAt;
    const auto note = [&](bool shown, std::string_view style,
                          std::string_view words) {
      if (!shown) return;
      svg.text(x + 4, y, style, words);
      y += kLineStep;
    };
    // The words of the fields that are set, as the table view says them.
    for (const auto& [set, row] : {std::pair{interval.next, Row::NextData},
                                   {interval.increment, Row::AddrMode},
                                   {interval.interrupt, Row::IntTrig},
                                   {interval.single, Row::SnglCrc}}) {
      note(set, "m", cell(waveform, row, i).view());
    }
    note(interval.decision, "b",
         "1: " + std::string(cell(waveform, Row::Branch1, i).view()));
    note(interval.decision, "b",
         "0: " + std::string(cell(waveform, Row::Branch0, i).view()));
    note(interval.decision && interval.re_execute, "b", "Re-Exec");
  }
}

}  // namespace

std::string render_svg(const GpifImage& image, const BankNames& names) {
  const int blocks =
      static_cast<int>(kWaveformsPerBank * used_bank_count(image));
  std::string out;
  out.reserve(1024 + 12288 * static_cast<std::size_t>(blocks));
  Svg svg(out);
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
      << kWidth << "\" height=\"" << blocks * kBlock + 10 << "\" viewBox=\"0 0 "
      << kWidth << ' ' << blocks * kBlock + 10
      << "\">\n"
         "<style>text{font-family:sans-serif;font-size:10px;fill:#000}"
         ".t{font-size:14px;font-weight:bold}.n{font-size:11px}"
         ".g{stroke:#ddd;fill:none}.w{stroke:#000;stroke-width:1.5;fill:none}"
         ".z{stroke:#888;stroke-width:1.5;stroke-dasharray:4 3;fill:none}"
         ".d{stroke:#000;fill:#cde}.m{fill:#05a}.b{fill:#a40}.i{fill:#f2f2f2}"
         "</style>\n"
         "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  const Initialization init = decode_initialization(image);
  int top = 4;
  for_each_waveform(
      image, names,
      [&](std::size_t bank, std::size_t index, const Waveform& waveform) {
        put_waveform(svg, waveform_title(bank, index, waveform, init), waveform,
                     top);
        top += kBlock;
      });
  svg << "</svg>\n";
  return out;
}

}  // namespace wfpack::view
