// The WaveJSON view's steps, one per IFCLK cycle: where each interval
// stands among them, a lane's wave over them, and WaveDrom's nodes, which
// edges and labels hang on.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "view/shown.h"

namespace wfpack::view::wavejson {

inline constexpr int kCap = 16;       // steps drawn at most for one interval
inline constexpr int kStep = 80;      // a step's width at the scale below
inline constexpr int kScale = 2;      // WaveDrom's hscale
inline constexpr int kCharWidth = 9;  // a generous width of a character

// The steps a label of text needs to fit, with room either side.
int steps_for(std::string_view text);

// The interval lane's label of a column: "3: Wait 2", "Idle", and for the
// flow state's interval, that its length is not known.
std::string column_label(const Waveform& waveform, std::size_t column);

// Where each column stands: its first step and how many; none for an
// interval no run reaches, which is left out.
struct Steps {
  std::array<int, kColumnCount> first{};
  std::array<int, kColumnCount> count{};
  int total = 0;
};
Steps steps_of(const Waveform& waveform, const Timing& timing);

// The step each reached decision point's logic is centred on, in its
// lane: right of the decision point, and clear of the edges that rise
// through the lane from the lanes under it, whose labels stand there.
// -1 for the others; right is the step after the rightmost label.
std::array<int, kIntervalCount> logic_steps(const Waveform& waveform,
                                            const Timing& timing,
                                            const Steps& steps, int& right);

// Whether a column is drawn shorter than it lasts: a gap marks it.
bool has_gap(const Waveform& waveform, const Timing& timing,
             std::size_t column);

// A lane's wave: each drawn column's first step is char_of(column), the
// rest '.'; with flow_moves, every step of the flow state's interval is
// its character. A gap stands in an interval drawn shorter than it lasts.
template <class Char>
std::string wave_of(const Waveform& waveform, const Timing& timing,
                    const Steps& steps, Char char_of, bool flow_moves = false) {
  std::string wave;
  char previous = 0;
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    if (steps.count[i] == 0) continue;
    const char c = char_of(i);
    wave += c == previous && c != '=' ? '.' : c;
    const bool moves =
        flow_moves && i < kIntervalCount && is_flow_interval(waveform, i);
    const int gap =
        has_gap(waveform, timing, i) ? steps.count[i] * 3 / 4 : steps.count[i];
    for (int step = 1; step < steps.count[i]; ++step) {
      wave += moves ? c : step == gap ? '|' : '.';
    }
    previous = c;
  }
  return wave;
}

// Names for WaveDrom's nodes: single capital letters, which it does not
// print, from several scripts; each is taken once in a document. Empty
// once all are taken.
class NodeNames {
 public:
  std::string take();

 private:
  std::size_t next_ = 0;
};

// A lane's nodes: '.' for each step, a name at some.
class Nodes {
 public:
  explicit Nodes(int steps) : text_(static_cast<std::size_t>(steps), '.') {}
  void put(int step, const std::string& name);
  bool empty() const { return !named_; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
  bool named_ = false;
};

}  // namespace wfpack::view::wavejson
