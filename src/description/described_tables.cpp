// Each described cell's word written into the bits the field tables give
// it, as the design tool writes the tables from its description. A cell
// that cannot be written is an error at the cell, and nothing is written.
#include "description/described_tables.h"

#include "image/table_bytes.h"

namespace wfpack {

namespace {

std::string quoted(const Word& word) {
  return "'" + std::string(word.view()) + "'";
}

std::string_view without_indent(std::string_view label) {
  return label.substr(std::min(label.find_first_not_of(' '), label.size()));
}

// IF/Wait first: it decides which rows have cells under an interval.
constexpr std::array<Row, kRowCount> kRowOrder = {
    Row::IfWait,  Row::AddrMode, Row::DataMode, Row::NextData,
    Row::IntTrig, Row::TermA,    Row::LFunc,    Row::TermB,
    Row::Branch1, Row::Branch0,  Row::ReExec,   Row::SnglCrc};

// What the first cell that said a shared field said, which every later one
// must say too.
struct FirstSaid {
  Word word;
  std::size_t line = 0;
};

// A described cell, and the bits of which table bytes it describes.
struct Cell {
  ChangedCell changed;
  std::array<std::uint8_t, 2> masks{};
};

class Encoder {
 public:
  Encoder(const GpifImage& image, const Descriptions& descriptions)
      : old_(image), descriptions_(descriptions) {
    out_.image = image;
  }

  DescribedTables run() {
    if (descriptions_.too_many_blocks()) {
      error(0, 0,
            "more initialization and names blocks than " +
                std::to_string(Descriptions::kBlockCapacity));
    }
    if (const std::size_t line = descriptions_.unplaced_line()) {
      error(line, kDescriptionTitle.size() + 1,
            "no WaveData table of a bank follows this waveform's "
            "description, so it describes no bytes");
    }
    for (const InitDescription& block : descriptions_.init_blocks()) {
      for (std::size_t row = 0; row < kInitRowCount; ++row) {
        const RegisterField& field = init_field(static_cast<InitRow>(row));
        say_register(
            field, block.words[row], block.lines[row], block.columns[row] + 1,
            "initialization " + std::string(field.label), init_said_[row]);
      }
    }
    // The mode of the CTL outputs decides what their words mean.
    tristate_ = is_tristate(out_.image);
    for (const InitDescription& block : descriptions_.init_blocks()) {
      for (std::size_t ctl = 0; ctl < kCtlCount && !tristate_; ++ctl) {
        say_register(drive_field(ctl), block.drives[ctl],
                     block.drive_lines[ctl], block.drive_columns[ctl] + 1,
                     "initialization CTL " + std::to_string(ctl),
                     drive_said_[ctl]);
      }
    }
    for (std::size_t bank = 0; bank < kBankCount; ++bank) {
      const TermNames terms = term_names(out_.image, descriptions_.names(bank));
      for (std::size_t index = 0; index < kWaveformsPerBank; ++index) {
        if (const WaveDescription* wave = descriptions_.waveform(bank, index)) {
          waveform(bank, *wave, terms);
        }
      }
    }
    for (const Cell& cell : cells_) changed(cell);
    return std::move(out_);
  }

 private:
  void error(std::size_t line, std::size_t column, std::string text) {
    out_.errors.push_back(
        {Message::Kind::Error, line, column, std::move(text)});
  }

  void record(const std::string& subject, std::size_t line, std::size_t column,
              const Word& old_word, const Word& new_word, std::size_t byte,
              std::uint8_t mask) {
    if (!cells_.empty() && cells_.back().changed.subject == subject &&
        cells_.back().changed.line == line) {
      Cell& cell = cells_.back();
      cell.changed.bytes[cell.changed.byte_count] = byte;
      cell.masks[cell.changed.byte_count++] = mask;
      return;
    }
    Cell cell{{subject, line, column, old_word, new_word, {byte}, 1}, {mask}};
    cells_.push_back(cell);
  }

  // A cell of InitData's, which any other cell that says it must agree
  // with.
  void say_register(const RegisterField& field, const Word& word,
                    std::size_t line, std::size_t column,
                    const std::string& subject, FirstSaid& first) {
    if (line == 0 || word.empty()) return;
    std::uint8_t& byte = out_.image.InitData[field.byte];
    std::uint8_t value = byte;
    std::uint8_t mask = 0;
    if (!set_register_word(field, word, value, mask)) {
      error(line, column, subject + ": " + quoted(word) + " is no word of it");
    } else if (agrees(first, word, line, column, subject)) {
      record(subject, line, column,
             register_word(field, old_.InitData[field.byte]), word,
             kInitDataAt + field.byte, mask);
      byte = value;
    }
  }

  bool agrees(FirstSaid& first, const Word& word, std::size_t line,
              std::size_t column, const std::string& subject) {
    if (first.line == 0) {
      first = {word, line};
      return true;
    }
    if (first.word == word) return true;
    error(line, column,
          subject + ": " + quoted(word) + " here, but " + quoted(first.word) +
              " at line " + std::to_string(first.line));
    return false;
  }

  void waveform(std::size_t bank, const WaveDescription& wave,
                const TermNames& terms) {
    const std::string name = waveform_subject(bank, wave);
    for (std::size_t i = 0; i < kIntervalCount; ++i) {
      IntervalBytes bytes = interval_bytes(out_.image, bank, wave.number, i);
      const IntervalBytes before = bytes;
      const auto byte_at = [&](std::size_t lane) {
        return wave_byte(bank,
                         wave.number * kWaveformSize + lane * kColumnCount + i);
      };
      for (const Row row : kRowOrder) {
        const auto r = static_cast<std::size_t>(row);
        const RowField& field = row_field(row);
        const std::size_t line = wave.row_lines[r];
        if (line == 0) continue;
        const Word& word = wave.cells[r][i];
        const std::size_t column = column_at(i) + wave.cells_at[r][i] + 1;
        const std::string subject = name + " interval " + std::to_string(i) +
                                    " " +
                                    std::string(without_indent(field.label));
        if (field.under == Under::Decision && !is_decision(bytes)) {
          if (!word.empty()) {
            error(line, column,
                  subject + ": " + quoted(word) +
                      " under a wait: only a decision point has one");
          }
          continue;
        }
        if (word.empty()) {
          if (field.under == Under::Decision && row != Row::ReExec) {
            error(line, column, subject + ": empty under an 'IF'");
          }
          continue;
        }
        IntervalBytes mask{};
        const WordFit fit = set_row_word(row, word, terms, bytes, mask);
        if (fit != WordFit::Set) {
          error(line, column,
                subject + ": " + quoted(word) +
                    (fit == WordFit::Shared ? " names more than one term"
                                            : " is no word of this row"));
          continue;
        }
        for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
          if (mask[lane] == 0) continue;
          record(subject, line, column, row_word(row, before, terms), word,
                 byte_at(lane), mask[lane]);
        }
      }
      constexpr auto kOutput = static_cast<std::size_t>(Lane::Output);
      for (std::size_t ctl = 0; ctl < wave.ctl_rows; ++ctl) {
        const Word& word = wave.levels[ctl][i];
        if (word.empty()) continue;
        const std::size_t line = wave.ctl_lines[ctl];
        const std::size_t column = column_at(i) + wave.levels_at[ctl][i] + 1;
        const std::string subject = name + " interval " + std::to_string(i) +
                                    " " +
                                    std::string(wave.ctl_labels[ctl].view());
        std::uint8_t mask = 0;
        if (!set_level(word, ctl, tristate_, bytes[kOutput], mask)) {
          error(line, column, subject + ": " + quoted(word) + no_level());
          continue;
        }
        record(subject, line, column,
               level_word(level_of(before[kOutput], ctl, tristate_)), word,
               byte_at(kOutput), mask);
      }
      for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
        table_byte(out_.image, byte_at(lane)) = bytes[lane];
      }
    }
    idle(wave, name);
  }

  // The Idle column of every waveform is GPIFIDLECTL, which they share.
  void idle(const WaveDescription& wave, const std::string& name) {
    for (std::size_t ctl = 0; ctl < wave.ctl_rows; ++ctl) {
      const Word& word = wave.levels[ctl][kIdleColumn];
      if (word.empty()) continue;
      const std::size_t line = wave.ctl_lines[ctl];
      const std::size_t column =
          column_at(kIdleColumn) + wave.levels_at[ctl][kIdleColumn] + 1;
      const std::string label(wave.ctl_labels[ctl].view());
      std::uint8_t& byte = out_.image.InitData[kIdleCtlByte];
      std::uint8_t value = byte;
      std::uint8_t mask = 0;
      if (!set_level(word, ctl, tristate_, value, mask)) {
        error(line, column,
              name + " Idle " + label + ": " + quoted(word) + no_level());
        continue;
      }
      const bool first = idle_said_[ctl].line == 0;
      if (!agrees(idle_said_[ctl], word, line, column,
                  name + " Idle " + label) ||
          !first) {
        continue;
      }
      record("initialization Idle " + label, line, column,
             level_word(level_of(old_.InitData[kIdleCtlByte], ctl, tristate_)),
             word, kInitDataAt + kIdleCtlByte, mask);
      byte = value;
    }
  }

  std::string no_level() const {
    return tristate_ ? " is no level of this output in Tristate mode"
                     : " is no level of a Binary output";
  }

  // Only a cell whose bits the description changes is reported.
  void changed(const Cell& cell) {
    ChangedCell result = cell.changed;
    result.byte_count = 0;
    for (std::size_t i = 0; i < cell.changed.byte_count; ++i) {
      const std::size_t at = cell.changed.bytes[i];
      if (((table_byte(old_, at) ^ table_byte(out_.image, at)) &
           cell.masks[i]) != 0) {
        result.bytes[result.byte_count++] = at;
      }
    }
    if (result.byte_count != 0) out_.changed.push_back(std::move(result));
  }

  const GpifImage& old_;
  const Descriptions& descriptions_;
  DescribedTables out_;
  bool tristate_ = false;
  std::vector<Cell> cells_;
  std::array<FirstSaid, kInitRowCount> init_said_{};
  std::array<FirstSaid, kCtlCount> drive_said_{};
  std::array<FirstSaid, kCtlCount> idle_said_{};
};

}  // namespace

std::string waveform_subject(std::size_t bank, const WaveDescription& wave) {
  return "bank " + std::to_string(bank) + " waveform " +
         std::to_string(wave.number) + " " + quoted(wave.name);
}

DescribedTables described_tables(const GpifImage& image,
                                 const Descriptions& descriptions) {
  return Encoder(image, descriptions).run();
}

}  // namespace wfpack
