// Each described cell set to the word the bytes give it, from the one
// decode. A row the block lacks is not added; every cell of a row it has
// is made what the design tool would write there, empty ones included, so
// that the description is whole again.
#include "description/description_edits.h"

#include "description/described_tables.h"
#include "image/byte_text.h"

namespace wfpack {

namespace {

class Writer {
 public:
  Writer(const GpifImage& image, const Descriptions& descriptions)
      : image_(image), descriptions_(descriptions) {}

  DescriptionEdits run() {
    for (std::size_t bank = 0; bank < kBankCount; ++bank) {
      for (std::size_t index = 0; index < kWaveformsPerBank; ++index) {
        if (const WaveDescription* wave = descriptions_.waveform(bank, index)) {
          waveform(bank, *wave);
        }
      }
    }
    const Initialization init = decode_initialization(image_);
    for (const InitDescription& block : descriptions_.init_blocks()) {
      for (std::size_t row = 0; row < kInitRowCount; ++row) {
        const std::string label(init_field(static_cast<InitRow>(row)).label);
        edit_word("initialization " + label, block.lines[row],
                  block.columns[row], block.words[row], init.words[row]);
      }
      // In Tristate mode InitData does not set the outputs' drive.
      for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
        if (init.drives[ctl].empty()) continue;
        edit_word("initialization CTL " + std::to_string(ctl),
                  block.drive_lines[ctl], block.drive_columns[ctl],
                  block.drives[ctl], init.drives[ctl]);
      }
    }
    return std::move(out_);
  }

 private:
  void edit_word(std::string subject, std::size_t line, std::size_t column,
                 const Word& described, const Word& word) {
    if (line == 0 || described == word) return;
    out_.edits.push_back({std::move(subject), line, column,
                          CellEdit::kToLineEnd, 0, described, word});
  }

  void waveform(std::size_t bank, const WaveDescription& wave) {
    const Waveform bytes =
        decode_waveform(image_, bank, wave.number, descriptions_.names(bank));
    const std::string name = waveform_subject(bank, wave);
    for (std::size_t i = 0; i < kIntervalCount; ++i) {
      const std::string interval = name + " interval " + std::to_string(i);
      unused_bits(wave, bytes.intervals[i], interval);
      for (std::size_t r = 0; r < kRowCount; ++r) {
        const auto row = static_cast<Row>(r);
        if (wave.row_lines[r] == 0) continue;
        const Word& described = wave.cells[r][i];
        const Word word = cell(bytes, row, i);
        const bool said = !described.empty() || word.empty();
        if (said && same_word(row, word, described)) continue;
        const std::string subject = interval + " " + std::string(row_name(row));
        if (!word.empty() && word == row_field(row).unknown) {
          // The tool's word for a set SGL bit is not known.
          warn(wave.row_lines[r],
               subject + ": left as '" + std::string(described.view()) +
                   "': the design tool has no word for a set " +
                   std::string(word.view()) + " bit");
          continue;
        }
        out_.edits.push_back({subject, wave.row_lines[r], column_at(i),
                              kTableColumnWidth, 0, described, word});
      }
    }
    for (std::size_t ctl = 0; ctl < wave.ctl_rows; ++ctl) {
      for (std::size_t column = 0; column < kColumnCount; ++column) {
        const Word& described = wave.levels[ctl][column];
        const Word word = level_word(bytes.levels[ctl][column]);
        if (described == word) continue;
        const std::string at =
            column == kIdleColumn ? " Idle "
                                  : " interval " + std::to_string(column) + " ";
        out_.edits.push_back(
            {name + at + std::string(wave.ctl_labels[ctl].view()),
             wave.ctl_lines[ctl], column_at(column), kTableColumnWidth,
             kTableLevelAt, described, word});
      }
    }
  }

  // Bits no field uses have no word: no description can say them, and the
  // design tool clears them when it writes the tables.
  void unused_bits(const WaveDescription& wave, const Interval& interval,
                   const std::string& subject) {
    const std::size_t line =
        wave.row_lines[static_cast<std::size_t>(Row::IfWait)];
    const auto lane = [&](Lane which) {
      return interval.bytes[static_cast<std::size_t>(which)];
    };
    const std::pair<std::string_view, std::uint8_t> unused[] = {
        {"Opcode",
         static_cast<std::uint8_t>(lane(Lane::Opcode) & kUnusedOpcodeBits)},
        {"LenBr", static_cast<std::uint8_t>(interval.decision
                                                ? lane(Lane::LenBr) &
                                                      kUnusedDecisionLenBrBits
                                                : 0)}};
    for (const auto& [name, bits] : unused) {
      if (bits == 0) continue;
      std::string text = subject +
                         " IF/Wait: the design tool has no word for " +
                         std::string(name) + " bits ";
      append_hex(text, bits);
      text += ", which its description cannot say";
      warn(line != 0 ? line : wave.title_line, std::move(text));
    }
  }

  void warn(std::size_t line, std::string text) {
    out_.warnings.push_back({Message::Kind::Warning, line, 0, std::move(text)});
  }

  const GpifImage& image_;
  const Descriptions& descriptions_;
  DescriptionEdits out_;
};

}  // namespace

DescriptionEdits description_edits(const GpifImage& image,
                                   const Descriptions& descriptions) {
  return Writer(image, descriptions).run();
}

}  // namespace wfpack
