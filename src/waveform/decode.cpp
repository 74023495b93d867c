// The bits of the tables, as the GPIF reads them.
#include <algorithm>

#include "waveform/waveform.h"
#include "waveform/with_number.h"

namespace wfpack {

namespace {

// InitData bytes, by the register the setup code loads each into.
constexpr std::size_t kReadyConfig = 0;  // GPIFREADYCFG
constexpr std::size_t kCtlConfig = 1;    // GPIFCTLCFG
constexpr std::size_t kIdleCtl = 3;      // GPIFIDLECTL
constexpr std::size_t kWaveSelect = 5;   // GPIFWFSELECT

constexpr std::uint8_t kInternalReady = 0x80;  // GPIFREADYCFG INTRDY
constexpr std::uint8_t kSynchronous = 0x40;    // GPIFREADYCFG SAS
constexpr std::uint8_t kCountExpiry = 0x20;    // GPIFREADYCFG TCXRDY5
constexpr std::uint8_t kTristateCtl = 0x80;    // GPIFCTLCFG TRICTL
constexpr std::size_t kCountExpiryTerm = 5;

bool bit(std::uint8_t byte, int index) { return (byte >> index & 1) != 0; }

std::uint8_t field(std::uint8_t byte, int low, int width) {
  return static_cast<std::uint8_t>(byte >> low & ((1 << width) - 1));
}

bool tristate(const GpifImage& image) {
  return (image.InitData[kCtlConfig] & kTristateCtl) != 0;
}

Logic logic_of(std::uint8_t byte) {
  return {field(byte, 6, 2), field(byte, 3, 3), field(byte, 0, 3)};
}

// An Output byte: while TRICTL is 0 its bits 0 to 5 are the levels of CTL0
// to CTL5; while it is 1, bits 4 to 7 enable CTL0 to CTL3, which float when
// not enabled, and CTL4 and CTL5 are no waveform outputs.
std::array<Level, kCtlCount> levels_of(std::uint8_t output, bool tri) {
  std::array<Level, kCtlCount> levels{};
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    const int at = static_cast<int>(ctl);
    if (tri && ctl >= kTristateCtlCount) {
      levels[ctl] = Level::None;
    } else if (tri && !bit(output, at + 4)) {
      levels[ctl] = Level::Floating;
    } else {
      levels[ctl] = bit(output, at) ? Level::High : Level::Low;
    }
  }
  return levels;
}

Interval interval_of(std::uint8_t length_branch, std::uint8_t opcode,
                     std::uint8_t logic) {
  Interval interval;
  interval.decision = bit(opcode, 0);
  interval.data = bit(opcode, 1);
  interval.next = bit(opcode, 2);
  interval.increment = bit(opcode, 3);
  interval.interrupt = bit(opcode, 4);
  interval.single = bit(opcode, 5);
  if (interval.decision) {
    interval.then_to = field(length_branch, 3, 3);
    interval.else_to = field(length_branch, 0, 3);
    interval.re_execute = bit(length_branch, 7);
    interval.logic = logic_of(logic);
  } else {
    // A length of 0 counts 256 cycles.
    interval.length = length_branch == 0 ? 256u : length_branch;
  }
  return interval;
}

FlowState flow_state_of(const std::uint8_t* bytes, bool tri) {
  FlowState flow;
  flow.enabled = bit(bytes[0], 7);
  flow.interval = field(bytes[0], 0, 3);
  flow.logic = logic_of(bytes[1]);
  flow.if_0 = levels_of(bytes[2], tri);
  flow.if_1 = levels_of(bytes[3], tri);
  flow.holdoff = bytes[4];
  flow.strobe = bytes[5];
  flow.strobe_edge = bytes[6];
  flow.strobe_half_period = bytes[7];
  return flow;
}

Word default_term_name(std::size_t term, const GpifImage& image) {
  if (term == kCountExpiryTerm &&
      (image.InitData[kReadyConfig] & kCountExpiry) != 0) {
    return "TCXpire";
  }
  if (term < 6) return with_number("RDY", static_cast<unsigned>(term));
  return term == 6 ? "FIFOFlag" : "IntReady";
}

}  // namespace

Waveform decode_waveform(const GpifImage& image, std::size_t bank,
                         std::size_t index, const DesignNames& names) {
  const std::uint8_t* bytes =
      wave_bank(image, bank).data() + index * kWaveformSize;
  const std::uint8_t* length_branch = bytes;
  const std::uint8_t* opcode = bytes + kColumnCount;
  const std::uint8_t* output = bytes + 2 * kColumnCount;
  const std::uint8_t* logic = bytes + 3 * kColumnCount;

  Waveform waveform;
  waveform.name = names.waveforms[index];
  waveform.tristate = tristate(image);
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    waveform.intervals[i] = interval_of(length_branch[i], opcode[i], logic[i]);
  }
  // The idle column shows GPIFIDLECTL, which the chip drives while idle,
  // not the waveform's eighth Output byte, which it never executes.
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    const std::uint8_t byte =
        column == kIdleColumn ? image.InitData[kIdleCtl] : output[column];
    const auto levels = levels_of(byte, waveform.tristate);
    for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
      waveform.levels[ctl][column] = levels[ctl];
    }
  }
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    waveform.ctl_names[ctl] = ctl_name(names, ctl);
  }
  for (std::size_t term = 0; term < kTermCount; ++term) {
    waveform.term_names[term] = names.terms[term].empty()
                                    ? default_term_name(term, image)
                                    : names.terms[term];
  }
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
  const std::uint8_t ready = image.InitData[kReadyConfig];
  const std::uint8_t ctl = image.InitData[kCtlConfig];
  const std::uint8_t select = image.InitData[kWaveSelect];
  Initialization init;
  auto word = [&init](InitRow row) -> Word& {
    return init.words[static_cast<std::size_t>(row)];
  };
  word(InitRow::InterfaceTiming) = (ready & kSynchronous) ? "Sync" : "Async";
  word(InitRow::InternalReady) =
      (ready & kInternalReady) ? "IntRdy=1" : "IntRdy=0";
  word(InitRow::CtlTristate) = (ctl & kTristateCtl) ? "Tristate" : "Binary";
  // Bits 7:6 select the single write's waveform, then single read, FIFO
  // write and FIFO read, two bits each.
  for (std::size_t i = 0; i < init.selects.size(); ++i) {
    init.selects[i] = field(select, 6 - 2 * static_cast<int>(i), 2);
    word(static_cast<InitRow>(
        static_cast<std::size_t>(InitRow::SingleWriteSelect) + i)) =
        with_number("", init.selects[i]);
  }
  init.idle = levels_of(image.InitData[kIdleCtl], tristate(image));
  if ((ctl & kTristateCtl) == 0) {
    for (std::size_t out = 0; out < kCtlCount; ++out) {
      init.drives[out] = bit(ctl, static_cast<int>(out)) ? "Drain" : "CMOS";
    }
  }
  return init;
}

}  // namespace wfpack
