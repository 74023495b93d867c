// The WaveJSON view's parts: writing a lane, its data labels and nodes,
// the document's edges, and the lanes of the decision points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "view/escape.h"
#include "view/wavejson_layout.h"

namespace wfpack::view::wavejson {

// The document's edges: the branches first, the labels drawn over them.
struct Edges {
  NodeNames names;
  std::string branches;
  std::string labels;
  void add(std::string& list, const std::string& edge) {
    if (!list.empty()) list += ", ";
    append_json(list, edge);
  }
};

// A lane after another; no wave key for an empty wave, which WaveDrom
// would draw as unknown. rest: more keys, each with its leading comma.
inline void put_lane(std::string& out, std::string_view name,
                     const std::string& wave, const std::string& rest = {}) {
  out += ",\n  {\"name\": ";
  append_json(out, name);
  if (!wave.empty()) out += ", \"wave\": \"" + wave + '"';
  out += rest;
  out += '}';
}

inline std::string data_list(const std::vector<std::string>& labels) {
  std::string list = ", \"data\": [";
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (i != 0) list += ", ";
    append_json(list, labels[i]);
  }
  return list + "]";
}

inline std::string node_list(const Nodes& nodes) {
  return nodes.empty() ? std::string() : ", \"node\": \"" + nodes.text() + '"';
}

// The interval lane, its nodes where branches arrive, then a lane per
// reached decision point.
void put_decisions(std::string& out, const Waveform& waveform,
                   const Timing& timing, const Steps& steps, Edges& edges);

}  // namespace wfpack::view::wavejson
