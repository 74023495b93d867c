// The cells of a waveform's description, each written into the bits the
// field tables give its row under its interval.
#include "description/table_encoder.h"
#include "image/table_bytes.h"

namespace wfpack::encoding {

namespace {

// IF/Wait first: it decides which rows have cells under an interval.
constexpr std::array<Row, kRowCount> kRowOrder = {
    Row::IfWait,  Row::AddrMode, Row::DataMode, Row::NextData,
    Row::IntTrig, Row::TermA,    Row::LFunc,    Row::TermB,
    Row::Branch1, Row::Branch0,  Row::ReExec,   Row::SnglCrc};

}  // namespace

void Encoder::waveform(std::size_t bank, const WaveDescription& wave,
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
                                  " " + std::string(row_name(row));
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
void Encoder::idle(const WaveDescription& wave, const std::string& name) {
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
    if (!agrees(idle_said_[ctl], word, line, column, name + " Idle " + label) ||
        !first) {
      continue;
    }
    record("initialization Idle " + label, line, column,
           level_word(level_of(old_.InitData[kIdleCtlByte], ctl, tristate_)),
           word, kInitDataAt + kIdleCtlByte, mask);
    byte = value;
  }
}

std::string Encoder::no_level() const {
  return tristate_ ? " is no level of this output in Tristate mode"
                   : " is no level of a Binary output";
}

}  // namespace wfpack::encoding
