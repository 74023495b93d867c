// The bytes against their description: the design tool regenerates the
// tables from the description, so a byte edited by hand that the
// description does not say is undone the next time the file is saved.
#include <algorithm>

#include "warnings/source_warnings.h"

namespace wfpack {

namespace {

// The cells that differ, and the first of them in source order.
struct Differences {
  std::size_t line = 0;  // 0 while none differs
  std::size_t column = 0;
  std::string_view row;
  Word given;
  Word described;
  std::size_t count = 0;

  void compare(std::size_t at, std::size_t in_column, std::string_view label,
               const Word& bytes, const Word& description, bool differ) {
    if (!differ) return;
    ++count;
    if (line != 0 && line <= at) return;
    line = at;
    column = in_column;
    row = label;
    given = bytes;
    described = description;
  }
};

// Every cell the description fills counts; an empty one says nothing. Of
// Sngl/CRC only "Default" is known: any other word means the bit is set.
Differences compare(const WaveDescription& description,
                    const Waveform& waveform) {
  Differences differences;
  for (std::size_t r = 0; r < kRowCount; ++r) {
    const auto row = static_cast<Row>(r);
    if (description.row_lines[r] == 0) continue;
    for (std::size_t i = 0; i < kIntervalCount; ++i) {
      const Word& described = description.cells[r][i];
      if (described.empty()) continue;
      const Word given = cell(waveform, row, i);
      differences.compare(description.row_lines[r], i,
                          row_name(row), given,
                          described, !same_word(row, given, described));
    }
  }
  for (std::size_t ctl = 0; ctl < description.ctl_rows; ++ctl) {
    for (std::size_t i = 0; i < kColumnCount; ++i) {
      const Word& described = description.levels[ctl][i];
      if (described.empty()) continue;
      const Word given = level_word(waveform.levels[ctl][i]);
      differences.compare(description.ctl_lines[ctl], i,
                          description.ctl_labels[ctl].view(), given, described,
                          given != described);
    }
  }
  return differences;
}

// While TRICTL is 1 the drive of the outputs is not set by InitData.
Differences compare(const InitDescription& description,
                    const Initialization& init) {
  Differences differences;
  for (std::size_t r = 0; r < kInitRowCount; ++r) {
    const Word& described = description.words[r];
    if (description.lines[r] == 0 || described.empty()) continue;
    differences.compare(description.lines[r], 0,
                        init_field(static_cast<InitRow>(r)).label,
                        init.words[r], described, init.words[r] != described);
  }
  constexpr std::string_view kCtlLabels[kCtlCount] = {
      "CTL 0", "CTL 1", "CTL 2", "CTL 3", "CTL 4", "CTL 5"};
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    const Word& described = description.drives[ctl];
    if (description.drive_lines[ctl] == 0 || described.empty() ||
        init.drives[ctl].empty()) {
      continue;
    }
    differences.compare(description.drive_lines[ctl], 0, kCtlLabels[ctl],
                        init.drives[ctl], described,
                        init.drives[ctl] != described);
  }
  return differences;
}

Warning warning_of(Warning::Kind kind, const Differences& differences) {
  Warning warning;
  warning.kind = kind;
  warning.line = differences.line;
  warning.column = differences.column;
  warning.given = differences.given;
  warning.described = differences.described;
  warning.count = differences.count - 1;
  warning.set_text(differences.row);
  return warning;
}

}  // namespace

// A description applies to the bank of the WaveData table after it; one
// whose bank is not in the image describes nothing the image holds.
void SourceWarnings::check_descriptions(const GpifImage& image,
                                        const Descriptions& descriptions) {
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (!image.BankUsed[bank]) continue;
    for (std::size_t index = 0; index < kWaveformsPerBank; ++index) {
      const WaveDescription* description = descriptions.waveform(bank, index);
      if (description == nullptr) continue;
      const Differences differences = compare(
          *description,
          decode_waveform(image, bank, index, descriptions.names(bank)));
      if (differences.count == 0) continue;
      Warning warning =
          warning_of(Warning::Kind::WaveformDescription, differences);
      warning.bank = bank;
      warning.waveform = index;
      warning.name = description->name;
      add(warning);
    }
  }
  if (const InitDescription* init = descriptions.initialization()) {
    const Differences differences =
        compare(*init, decode_initialization(image));
    if (differences.count != 0) {
      add(warning_of(Warning::Kind::InitDescription, differences));
    }
  }
}

}  // namespace wfpack
