// The design tool's words for what the bits mean.
#include "waveform/waveform.h"
#include "waveform/with_number.h"

namespace wfpack {

namespace {

// A decision point's target: an interval, or the idle state.
Word target(std::string_view numbered, std::string_view idle,
            std::uint8_t interval) {
  if (interval == kIdleColumn) return idle;
  return with_number(numbered, interval);
}

}  // namespace

std::string_view row_label(Row row) {
  constexpr std::array<std::string_view, kRowCount> kLabels = {
      "AddrMode", "DataMode", "NextData", "Int Trig", "IF/Wait", "  Term A",
      "  LFunc",  "  Term B", "Branch1",  "Branch0",  "Re-Exec", "Sngl/CRC"};
  return kLabels[static_cast<std::size_t>(row)];
}

std::string_view init_label(InitRow row) {
  constexpr std::array<std::string_view, kInitRowCount> kLabels = {
      "Interface Timing",      "Internal Ready Init",  "CTL Out Tristate-able",
      "SingleWrite WF Select", "SingleRead WF Select", "FifoWrite WF Select",
      "FifoRead WF Select"};
  return kLabels[static_cast<std::size_t>(row)];
}

Word function_word(std::uint8_t function) {
  constexpr std::array<std::string_view, 4> kFunctions = {"AND", "OR", "XOR",
                                                          "!A AND B"};
  return kFunctions[function & 3];
}

std::string logic_text(const Waveform& waveform, const Logic& logic) {
  const std::string_view a = waveform.term_names[logic.term_a].view();
  const std::string_view b = waveform.term_names[logic.term_b].view();
  // The design tool's word for function 3 is "!A AND B".
  if (logic.function == 3)
    return "!" + std::string(a) + " AND " + std::string(b);
  return std::string(a) + " " +
         std::string(function_word(logic.function).view()) + " " +
         std::string(b);
}

Word level_word(Level level) {
  switch (level) {
    case Level::Low:
      return "0";
    case Level::High:
      return "1";
    case Level::Floating:
      return "z";
    case Level::None:
      break;
  }
  return {};
}

Word cell(const Waveform& waveform, Row row, std::size_t interval) {
  const Interval& at = waveform.intervals[interval];
  switch (row) {
    case Row::AddrMode:
      return at.increment ? "Inc Val" : "Same Val";
    case Row::DataMode:
      return at.data ? "Activate" : "NO Data";
    case Row::NextData:
      return at.next ? "NextData" : "SameData";
    case Row::IntTrig:
      return at.interrupt ? "Trig Int" : "No Int";
    case Row::IfWait:
      return at.decision ? Word("IF") : with_number("Wait ", at.length);
    case Row::SnglCrc:
      // The design tool's word for a set bit is not known.
      return at.single ? "SGL" : "Default";
    default:
      break;
  }
  // The logic rows have cells only under decision points.
  if (!at.decision) return {};
  switch (row) {
    case Row::TermA:
      return waveform.term_names[at.logic.term_a];
    case Row::LFunc:
      return function_word(at.logic.function);
    case Row::TermB:
      return waveform.term_names[at.logic.term_b];
    case Row::Branch1:
      return target("Then ", "ThenIdle", at.then_to);
    case Row::Branch0:
      return target("Else ", "ElseIdle", at.else_to);
    case Row::ReExec:
      return at.re_execute ? "Yes" : "No";
    default:
      return {};
  }
}

}  // namespace wfpack
