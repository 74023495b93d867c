// The texts of the warnings about bytes that are not what their
// description says.
#include "warnings/text_pieces.h"

namespace wfpack::text {

// What a description warning says of its first cell: "interval 3 IF/Wait
// is 'Wait 2', described as 'IF' (and 6 more cells)", and why it matters.
std::string description_difference(const Warning& warning) {
  std::string text = " is not what its description says: ";
  if (warning.kind == Warning::Kind::WaveformDescription) {
    text += warning.column == kIdleColumn
                ? std::string("Idle ")
                : "interval " + std::to_string(warning.column) + " ";
  }
  text += std::string(warning.text_view()) + " is " +
          (warning.given.empty() ? std::string("empty")
                                 : quoted(warning.given.view())) +
          ", described as " + quoted(warning.described.view());
  if (warning.count != 0) {
    text += " (and " + counted(warning.count, "more cell") + ")";
  }
  return text +
         "; saving the file from the design tool writes the description "
         "back [-W" +
         std::string(kDescriptionWarnings) + "]";
}

std::string waveform_of(const Warning& warning) {
  std::string text;
  if (warning.bank != 0) text += "bank " + std::to_string(warning.bank) + " ";
  text += "waveform " + std::to_string(warning.waveform);
  if (!warning.name.empty()) {
    text += ' ';
    text += quoted(warning.name.view());
  }
  return text;
}

}  // namespace wfpack::text
