// The names block and the initialization block: a word for each label.
#include "description/description_lines.h"

namespace wfpack {

using namespace description_lines;

void Descriptions::read_name(std::size_t line, std::string_view text) {
  const std::size_t assign = text.find(kNameAssign, kRowStart.size());
  if (assign == std::string_view::npos) return;
  const std::string_view label =
      trimmed(text.substr(kRowStart.size(), assign - kRowStart.size()));
  const std::size_t name_at = assign + kNameAssign.size();
  const Word name = column(text, name_at, kNameWidth);
  if (const std::size_t wave = numbered(label, "Wave ", kWaveformsPerBank);
      wave < kWaveformsPerBank) {
    names_read_.waveforms[wave] = name;
  } else if (const std::size_t ctl = numbered(label, "CTL ", kCtlCount);
             ctl < kCtlCount) {
    names_read_.ctls[ctl] = name;
    const std::size_t drive_at = name_at + kNameWidth;
    init_read_.drive_lines[ctl] = line;
    init_read_.drives[ctl] = column(text, drive_at, text.size());
    init_read_.drive_columns[ctl] =
        drive_at + word_at(text, drive_at, kTableColumnWidth);
  } else if (const std::size_t ready = numbered(label, "RDY", 6); ready < 6) {
    names_read_.terms[ready] = name;
  } else if (label == "FIFOFlag") {
    names_read_.terms[6] = name;
  } else if (label == "IntReady") {
    names_read_.terms[7] = name;
  }
}

void Descriptions::read_init_row(std::size_t line, std::string_view text) {
  const std::string_view rest = text.substr(kRowStart.size());
  for (std::size_t row = 0; row < kInitRowCount; ++row) {
    const std::string_view label = init_field(static_cast<InitRow>(row)).label;
    if (!rest.starts_with(label) ||
        (rest.size() > label.size() && !is_blank(rest[label.size()]))) {
      continue;
    }
    const std::size_t after = kRowStart.size() + label.size();
    init_read_.lines[row] = line;
    init_read_.words[row] = trimmed(rest.substr(label.size()));
    init_read_.columns[row] =
        init_read_.words[row].empty()
            ? after + 1
            : after + word_at(text, after, text.size() - after);
    return;
  }
}

}  // namespace wfpack
