// The WaveJSON view's decision points: a lane for each reached one, its
// logic as the label of an edge that goes nowhere, and its branches as
// edges from it up to the intervals they go to.
#include <utility>

#include "view/wavejson_parts.h"

namespace wfpack::view::wavejson {

// A lane per reached decision point: its logic as a label beside its
// node, and its branches from that node up to where they go.
void put_decisions(std::string& out, const Waveform& waveform,
                   const Timing& timing, const Steps& steps, Edges& edges) {
  int right = 0;
  const std::array<int, kIntervalCount> centres =
      logic_steps(waveform, timing, steps, right);
  std::array<std::string, kColumnCount> targets;
  Nodes target_nodes(steps.total);
  // Written after the interval lane, which holds the targets' nodes.
  std::vector<std::pair<std::string, std::string>> lanes;
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const IntervalTime& time = timing.intervals[i];
    if (!waveform.intervals[i].decision || !time.reached) continue;
    const std::string logic = logic_text(waveform, waveform.intervals[i].logic);
    Nodes nodes(right);
    std::string name = std::to_string(i) + ": IF";
    // The logic, as the label of an edge that goes nowhere; in the name,
    // should names run out.
    const std::string label = edges.names.take();
    if (label.empty()) name += " " + logic;
    nodes.put(centres[i], label);
    if (!label.empty()) {
      edges.add(edges.labels, label + '-' + label + ' ' + logic);
    }
    const std::string from = edges.names.take();
    nodes.put(steps.first[i], from);
    for (const std::uint8_t to : {time.then_to, time.else_to}) {
      if (targets[to].empty()) {
        targets[to] = edges.names.take();
        target_nodes.put(steps.first[to], targets[to]);
      }
    }
    const std::string& then_to = targets[time.then_to];
    const std::string& else_to = targets[time.else_to];
    if (!from.empty() && !then_to.empty() && !else_to.empty()) {
      if (time.then_to == time.else_to) {
        edges.add(edges.branches, from + "-|>" + then_to + " 1, 0");
      } else {
        edges.add(edges.branches, from + "-|>" + then_to + " 1");
        edges.add(edges.branches, from + "-|>" + else_to + " 0");
      }
    }
    lanes.emplace_back(name, node_list(nodes));
  }
  std::vector<std::string> labels;
  const std::string wave = wave_of(waveform, timing, steps, [&](std::size_t i) {
    labels.push_back(column_label(waveform, i));
    return '=';
  });
  put_lane(out, "interval", wave, data_list(labels) + node_list(target_nodes));
  for (const auto& [name, nodes] : lanes) put_lane(out, name, "", nodes);
}

}  // namespace wfpack::view::wavejson
