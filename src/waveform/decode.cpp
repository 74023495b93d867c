// The bits of the tables, as the GPIF reads them: every field from the
// field tables.
#include "waveform/waveform.h"
#include "waveform/with_number.h"

namespace wfpack {

namespace {

std::uint8_t row_value(Row row, const IntervalBytes& bytes) {
  const RowField& field = row_field(row);
  return field_value(bytes[static_cast<std::size_t>(field.lane)], field.low,
                     field.width);
}

// A byte of an LFun byte's form.
Logic logic_of(std::uint8_t byte) {
  IntervalBytes bytes{};
  bytes[static_cast<std::size_t>(Lane::LFun)] = byte;
  return {row_value(Row::LFunc, bytes), row_value(Row::TermA, bytes),
          row_value(Row::TermB, bytes)};
}

std::array<Level, kCtlCount> levels_of(std::uint8_t output, bool tristate) {
  std::array<Level, kCtlCount> levels{};
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    levels[ctl] = level_of(output, ctl, tristate);
  }
  return levels;
}

Interval interval_of(const IntervalBytes& bytes) {
  Interval interval;
  interval.bytes = bytes;
  interval.decision = is_decision(bytes);
  interval.data = row_value(Row::DataMode, bytes) != 0;
  interval.next = row_value(Row::NextData, bytes) != 0;
  interval.increment = row_value(Row::AddrMode, bytes) != 0;
  interval.interrupt = row_value(Row::IntTrig, bytes) != 0;
  interval.single = row_value(Row::SnglCrc, bytes) != 0;
  if (interval.decision) {
    interval.then_to = row_value(Row::Branch1, bytes);
    interval.else_to = row_value(Row::Branch0, bytes);
    interval.re_execute = row_value(Row::ReExec, bytes) != 0;
    interval.logic = logic_of(bytes[static_cast<std::size_t>(Lane::LFun)]);
  } else {
    const std::uint8_t length = bytes[static_cast<std::size_t>(Lane::LenBr)];
    interval.length = length == 0 ? kLongestWait : length;
  }
  return interval;
}

FlowState flow_state_of(const std::uint8_t* bytes, bool tristate) {
  FlowState flow;
  flow.enabled = field_value(bytes[0], kFlowEnableBit, 1) != 0;
  flow.interval = field_value(bytes[0], 0, kFlowIntervalWidth);
  flow.logic = logic_of(bytes[1]);
  flow.if_0 = levels_of(bytes[2], tristate);
  flow.if_1 = levels_of(bytes[3], tristate);
  flow.holdoff = bytes[4];
  flow.strobe = bytes[5];
  flow.strobe_edge = bytes[6];
  flow.strobe_half_period = bytes[7];
  return flow;
}

}  // namespace

bool is_tristate(const GpifImage& image) {
  return register_value(kInitFields[kTristateField],
                        image.InitData[kCtlConfigByte]) != 0;
}

IntervalBytes interval_bytes(const GpifImage& image, std::size_t bank,
                             std::size_t index, std::size_t interval) {
  const std::uint8_t* bytes =
      wave_bank(image, bank).data() + index * kWaveformSize + interval;
  IntervalBytes lanes{};
  for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
    lanes[lane] = bytes[lane * kColumnCount];
  }
  return lanes;
}

TermNames term_names(const GpifImage& image, const DesignNames& names) {
  const bool count_expiry =
      register_value(kInitFields[kCountExpiryField],
                     image.InitData[kReadyConfigByte]) != 0;
  TermNames terms;
  for (std::size_t term = 0; term < kTermCount; ++term) {
    if (!names.terms[term].empty()) {
      terms[term] = names.terms[term];
    } else if (term == kCountExpiryTerm && count_expiry) {
      terms[term] = "TCXpire";
    } else if (term < 6) {
      terms[term] = with_number("RDY", static_cast<unsigned>(term));
    } else {
      terms[term] = term == 6 ? "FIFOFlag" : "IntReady";
    }
  }
  return terms;
}

Waveform decode_waveform(const GpifImage& image, std::size_t bank,
                         std::size_t index, const DesignNames& names) {
  Waveform waveform;
  waveform.name = names.waveforms[index];
  waveform.tristate = is_tristate(image);
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    waveform.intervals[i] = interval_of(interval_bytes(image, bank, index, i));
  }
  // The idle column shows GPIFIDLECTL, which the chip drives while idle,
  // not the waveform's eighth Output byte, which it never executes.
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    const std::uint8_t byte =
        column == kIdleColumn
            ? image.InitData[kIdleCtlByte]
            : waveform.intervals[column]
                  .bytes[static_cast<std::size_t>(Lane::Output)];
    for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
      waveform.levels[ctl][column] = level_of(byte, ctl, waveform.tristate);
    }
  }
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    waveform.ctl_names[ctl] = ctl_name(names, ctl);
  }
  waveform.term_names = term_names(image, names);
  waveform.flow =
      flow_state_of(flow_bank(image, bank).data() + index * kFlowStateSize,
                    waveform.tristate);
  return waveform;
}

Word ctl_name(const DesignNames& names, std::size_t ctl) {
  return names.ctls[ctl].empty()
             ? with_number("CTL", static_cast<unsigned>(ctl))
             : names.ctls[ctl];
}

Initialization decode_initialization(const GpifImage& image) {
  Initialization init;
  for (std::size_t row = 0; row < kInitRowCount; ++row) {
    const RegisterField& field = init_field(static_cast<InitRow>(row));
    init.words[row] = register_word(field, image.InitData[field.byte]);
  }
  for (std::size_t i = 0; i < init.selects.size(); ++i) {
    const RegisterField& field = init_field(static_cast<InitRow>(
        static_cast<std::size_t>(InitRow::SingleWriteSelect) + i));
    init.selects[i] = register_value(field, image.InitData[field.byte]);
  }
  const bool tristate = is_tristate(image);
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    init.idle[ctl] = level_of(image.InitData[kIdleCtlByte], ctl, tristate);
    if (!tristate) {
      init.drives[ctl] =
          register_word(drive_field(ctl), image.InitData[kCtlConfigByte]);
    }
  }
  return init;
}

}  // namespace wfpack
