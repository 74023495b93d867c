// The WaveJSON view, the input of the WaveDrom timing-diagram renderer: for
// each waveform a title bar, a lane of interval labels, a lane for each
// reached decision point (its logic as a label, its branches as edges to
// the intervals they go to), a lane per CTL output and one for the data
// bus; one step per IFCLK cycle, so that WaveDrom draws time to scale.
// Intervals no run reaches are left out, as the title says. WaveDrom
// sizes the names' column to the names but not a label to its steps, and
// measures some texts narrower than they are drawn: names stay short, and
// every label is given steps enough to hold it.
#include <algorithm>
#include <vector>

#include "view/wavejson_parts.h"

namespace wfpack::view {

namespace {

using namespace wavejson;

char level_char(Level level) {
  const Word word = level_word(level);
  return word.empty() ? 'x' : word.view().front();
}

void put_outputs(std::string& out, const Waveform& waveform,
                 const Timing& timing, const Steps& steps,
                 std::string_view role, Edges& edges) {
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    // An output that has no level in Tristate mode has an empty lane.
    if (waveform.levels[ctl][0] == Level::None) {
      put_lane(out, waveform.ctl_names[ctl].view(), "");
      continue;
    }
    Nodes nodes(steps.total);
    const std::string wave =
        wave_of(waveform, timing, steps, [&](std::size_t i) {
          if (i == kIdleColumn || !is_flow_interval(waveform, i)) {
            return level_char(waveform.levels[ctl][i]);
          }
          const std::string either = flow_either(waveform, ctl);
          if (either.empty()) return level_char(waveform.flow.if_1[ctl]);
          // Set apart by the flow logic: a span across it says how.
          const std::string from = edges.names.take();
          const std::string to = edges.names.take();
          nodes.put(steps.first[i], from);
          nodes.put(steps.first[i] + steps.count[i], to);
          if (!from.empty() && !to.empty()) {
            edges.add(edges.labels, from + "<->" + to + ' ' + either);
          }
          return 'x';
        });
    put_lane(out, waveform.ctl_names[ctl].view(), wave, node_list(nodes));
  }
  // While the flow state runs, the bus takes a new value every cycle.
  std::vector<std::string> labels;
  const std::string wave = wave_of(
      waveform, timing, steps,
      [&](std::size_t i) {
        if (i < kIntervalCount && is_flow_interval(waveform, i)) {
          labels.insert(labels.end(), static_cast<std::size_t>(steps.count[i]),
                        std::string());
          return '=';
        }
        if (i == kIdleColumn || !waveform.intervals[i].data) return 'z';
        labels.emplace_back(waveform.intervals[i].next
                                ? cell(waveform, Row::NextData, i).view()
                                : std::string_view());
        return '=';
      },
      true);
  put_lane(out, role == "data" ? "DATA" : "DATA " + std::string(role), wave,
           data_list(labels));
}

}  // namespace

std::string render_wavejson(const GpifImage& image, const BankNames& names) {
  std::string out = "{\"signal\": [";
  out.reserve(1024 + 4096 * kWaveformsPerBank * used_bank_count(image));
  const Initialization init = decode_initialization(image);
  const Clock clock = interface_clock(image.IfConfig);
  Edges edges;
  bool first = true;
  for_each_waveform(
      image, names,
      [&](std::size_t bank, std::size_t index, const Waveform& waveform) {
        // An empty lane between the waveforms keeps them apart.
        if (!first) out += ",\n  {},";
        first = false;
        const Timing timing = waveform_timing(waveform, clock);
        const Steps steps = steps_of(waveform, timing);
        std::string title = waveform_title(bank, index, waveform, init) + "; " +
                            shortest_pass(timing);
        const std::string missing = not_reached(timing);
        if (!missing.empty()) title += "; not reached, left out: " + missing;
        // The bar holds the title, from the left. WaveDrom draws no wider
        // than the longest wave: an empty box after the title makes the bar
        // reach past logic labels right of the steps.
        int right = 0;
        logic_steps(waveform, timing, steps, right);
        const int bar = steps_for(title);
        std::string wave =
            '2' + std::string(static_cast<std::size_t>(bar - 1), '.');
        std::vector<std::string> texts{title};
        if (right > std::max(bar, steps.total)) {
          wave +=
              '2' + std::string(static_cast<std::size_t>(right - bar - 1), '.');
          texts.emplace_back();
        }
        out += "\n  {\"name\": \"\", \"wave\": \"" + wave + '"' +
               data_list(texts) + '}';
        put_decisions(out, waveform, timing, steps, edges);
        put_outputs(out, waveform, timing, steps, data_role(index, init),
                    edges);
      });
  out += "\n],\n\"edge\": [" + edges.branches;
  if (!edges.branches.empty() && !edges.labels.empty()) out += ", ";
  out += edges.labels +
         "],\n\"config\": {\"hscale\": " + std::to_string(kScale) + "}}\n";
  return out;
}

}  // namespace wfpack::view
