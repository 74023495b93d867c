#include "view/shown.h"

namespace wfpack::view {

const DesignNames& first_bank_names(const GpifImage& image,
                                    const BankNames& names) {
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (image.BankUsed[bank]) return names[bank];
  }
  return names[0];
}

std::string waveform_title(std::size_t bank, std::size_t index,
                           const Waveform& waveform,
                           const Initialization& init) {
  std::string title =
      "Bank " + std::to_string(bank) + ", waveform " + std::to_string(index);
  if (!waveform.name.empty()) {
    title += ": ";
    title += waveform.name.view();
  }
  // In the order a reader looks for them, reads first.
  constexpr std::pair<Transfer, std::string_view> kRoles[] = {
      {Transfer::SingleRead, "single read"},
      {Transfer::SingleWrite, "single write"},
      {Transfer::FifoRead, "FIFO read"},
      {Transfer::FifoWrite, "FIFO write"}};
  std::string roles;
  for (const auto& [transfer, role] : kRoles) {
    if (init.selects[static_cast<std::size_t>(transfer)] != index) continue;
    if (!roles.empty()) roles += ", ";
    roles += role;
  }
  return title + " (" + (roles.empty() ? std::string("none") : roles) + ")";
}

void append_strobe_bytes(std::string& out, const FlowState& flow) {
  // FLOWHOLDOFF and the three registers after it.
  constexpr std::size_t kFirst = 4;
  const std::uint8_t values[] = {flow.holdoff, flow.strobe, flow.strobe_edge,
                                 flow.strobe_half_period};
  for (std::size_t i = 0; i < std::size(values); ++i) {
    if (i != 0) out += ", ";
    out += kFlowRegisters[kFirst + i];
    out += ' ';
    append_hex(out, values[i]);
  }
}

std::string interval_label(const Waveform& waveform, std::size_t column) {
  if (column == kIdleColumn) return "Idle";
  const Interval& interval = waveform.intervals[column];
  if (!interval.decision) {
    return std::string(cell(waveform, Row::IfWait, column).view());
  }
  return "IF " + logic_text(waveform, interval.logic);
}

bool is_flow_interval(const Waveform& waveform, std::size_t interval) {
  return waveform.flow.enabled && waveform.flow.interval == interval;
}

std::string flow_either(const Waveform& waveform, std::size_t ctl) {
  const FlowState& flow = waveform.flow;
  if (flow.if_0[ctl] == flow.if_1[ctl]) return {};
  return std::string(level_word(flow.if_1[ctl]).view()) + " if " +
         logic_text(waveform, flow.logic) + ", else " +
         std::string(level_word(flow.if_0[ctl]).view());
}

std::string_view data_role(std::size_t index, const Initialization& init) {
  const auto serves = [&](Transfer transfer) {
    return init.selects[static_cast<std::size_t>(transfer)] == index;
  };
  const bool writes =
      serves(Transfer::SingleWrite) || serves(Transfer::FifoWrite);
  const bool reads = serves(Transfer::SingleRead) || serves(Transfer::FifoRead);
  if (writes == reads) return "data";
  return writes ? "drives" : "samples";
}

std::string cycles_words(unsigned cycles) {
  return std::to_string(cycles) + (cycles == 1 ? " cycle" : " cycles");
}

std::string not_reached(const Timing& timing) {
  std::string list;
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    if (timing.intervals[i].reached) continue;
    if (!list.empty()) list += ' ';
    list += static_cast<char>('0' + i);
  }
  return list;
}

std::string shortest_pass(const Timing& timing) {
  if (!timing.reaches_idle) return "no path to Idle";
  std::string words = "at least " + cycles_words(timing.shortest);
  const std::string ns = nanoseconds(timing.shortest, timing.clock);
  if (!ns.empty()) words += ", " + ns + " ns";
  return words;
}

std::string time_line(const Timing& timing) {
  std::string line = "Time: ";
  if (timing.reaches_idle) {
    line += "at least " + cycles_words(timing.shortest) +
            " from interval 0 to Idle";
    const std::string ns = nanoseconds(timing.shortest, timing.clock);
    if (!ns.empty()) {
      line += ", " + ns + " ns at " + std::to_string(timing.clock.mhz) + " MHz";
    }
  } else {
    line += "no path from interval 0 reaches Idle";
  }
  const std::string missing = not_reached(timing);
  if (!missing.empty()) line += "; not reached: " + missing;
  return line;
}

}  // namespace wfpack::view
