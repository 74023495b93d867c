// The SVG view's parts, each drawing one layer of a waveform's block on
// its layout: the axis, the lanes (CTL traces and the data bus), and the
// decision points' arrows. The view itself draws the title, labels and
// notes.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

#include "view/escape.h"
#include "view/svg_layout.h"

namespace wfpack::view::svg {

// Writes the document: markup as it is, numbers in decimal, and text from
// the source escaped.
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
    out_.append(digits, static_cast<std::size_t>(end - digits));
    return *this;
  }
  // Nothing for no words.
  void text(int x, int y, std::string_view style, std::string_view words) {
    if (words.empty()) return;
    *this << "<text x=\"" << x << "\" y=\"" << y << "\"";
    if (!style.empty()) *this << " class=\"" << style << "\"";
    *this << ">";
    append_xml(out_, words);
    *this << "</text>\n";
  }

 private:
  std::string& out_;
};

// The axis over the intervals; then, over the lanes, a veil on the
// intervals no run reaches and a break across those drawn at the cap.
void put_axis(Svg& svg, const Waveform& waveform, const Timing& timing,
              const Block& block);
void put_overlays(Svg& svg, const Waveform& waveform, const Timing& timing,
                  const Block& block);
// The CTL traces and the data bus, which the waveform's role says it
// drives or samples.
void put_lanes(Svg& svg, const Waveform& waveform, const Block& block,
               std::string_view role);
void put_arrows(Svg& svg, const Block& block);

}  // namespace wfpack::view::svg
