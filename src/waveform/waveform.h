// What the bytes of an image mean to the GPIF, decoded once into plain
// records and into the design tool's own words, for every reader of them:
// the warnings that compare an image with its source's description, and
// each view. Knows no source text and no I/O; nothing else decodes a bit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "waveform/fields.h"
#include "waveform/register_fields.h"
#include "waveform/word.h"

namespace wfpack {

// A bank's WaveData holds four waveforms of 32 bytes: eight LenBr, Opcode,
// Output and LFun bytes each, one for each interval. Intervals 0 to 6 run;
// the eighth column is the idle state.
inline constexpr std::size_t kWaveformsPerBank = 4;
inline constexpr std::size_t kWaveformSize = 32;
inline constexpr std::size_t kIntervalCount = 7;
inline constexpr std::size_t kColumnCount = 8;
inline constexpr std::size_t kIdleColumn = 7;
// Each waveform's flow-state bytes in its bank's FlowStates.
inline constexpr std::size_t kFlowStateSize = 9;
static_assert(kWaveformsPerBank * kWaveformSize == kWaveBankSize);
static_assert(kWaveformsPerBank * kFlowStateSize == kFlowBankSize);

// The names a source's names block gives; an empty one is the default.
struct DesignNames {
  std::array<Word, kWaveformsPerBank> waveforms;
  std::array<Word, kCtlCount> ctls;
  TermNames terms;
};

// The names of each bank.
using BankNames = std::array<DesignNames, kBankCount>;

// The design tool's table of a waveform: a label, then a column for each
// interval and Idle, a cell at the left of its column but a level in its
// fifth character.
inline constexpr std::size_t kTableLabelWidth = 9;
inline constexpr std::size_t kTableColumnWidth = 10;
inline constexpr std::size_t kTableLevelAt = 4;

// A decision point's logic, and a flow state's: a function of two terms.
struct Logic {
  std::uint8_t function = 0;  // 0 AND, 1 OR, 2 XOR, 3 !A AND B
  std::uint8_t term_a = 0;
  std::uint8_t term_b = 0;
};

// What an interval's bytes say, each field as the field tables read it.
struct Interval {
  IntervalBytes bytes{};
  bool decision = false;   // DP: a decision point, else a wait
  bool data = false;       // DATA: drives or samples the data bus
  bool next = false;       // NEXT: moves on to the next data
  bool increment = false;  // INCAD: increments the address
  bool interrupt = false;  // GINT: raises the GPIF interrupt
  bool single = false;     // SGL: the single-data or CRC registers
  unsigned length = 0;     // a wait's clock cycles, 1 to 256
  // A decision point's targets (kIdleColumn: the idle state) and logic.
  std::uint8_t then_to = 0;
  std::uint8_t else_to = 0;
  bool re_execute = false;
  Logic logic;
};

struct FlowState {
  bool enabled = false;
  std::uint8_t interval = 0;
  Logic logic;
  // The CTL outputs while the flow logic is 0, and 1.
  std::array<Level, kCtlCount> if_0{};
  std::array<Level, kCtlCount> if_1{};
  std::uint8_t holdoff = 0;
  std::uint8_t strobe = 0;
  std::uint8_t strobe_edge = 0;
  std::uint8_t strobe_half_period = 0;
};

struct Waveform {
  Word name;  // empty where the source names none
  bool tristate = false;
  std::array<Interval, kIntervalCount> intervals;
  // Each CTL output's level in each column, the idle one last.
  std::array<std::array<Level, kColumnCount>, kCtlCount> levels{};
  std::array<Word, kCtlCount> ctl_names;
  TermNames term_names;
  FlowState flow;
};

Waveform decode_waveform(const GpifImage& image, std::size_t bank,
                         std::size_t index, const DesignNames& names);
// A CTL output's name: the names block's, else "CTL0" to "CTL5".
Word ctl_name(const DesignNames& names, std::size_t ctl);
// The terms' names: the names block's, else "RDY0" to "RDY5" ("TCXpire"
// for term 5 while GPIFREADYCFG makes it the count's expiry), "FIFOFlag"
// and "IntReady".
TermNames term_names(const GpifImage& image, const DesignNames& names);
// An interval's bytes: its LenBr, Opcode, Output and LFun.
IntervalBytes interval_bytes(const GpifImage& image, std::size_t bank,
                             std::size_t index, std::size_t interval);
bool is_tristate(const GpifImage& image);

// The cell of a field row under an interval, in the design tool's words;
// empty where the tool writes none (the logic rows of a wait).
Word cell(const Waveform& waveform, Row row, std::size_t interval);
// The words of a decision point's or flow state's logic, and the logic
// with its terms named: "TCXpire AND RDY0", "!RDY1 AND RDY0".
Word function_word(std::uint8_t function);
std::string logic_text(const Waveform& waveform, const Logic& logic);

struct Initialization {
  std::array<Word, kInitRowCount> words;
  // The waveform of each transfer, in the order of the select rows.
  std::array<std::uint8_t, 4> selects{};
  // "CMOS" or "Op Drain" for each CTL output; none in Tristate mode.
  std::array<Word, kCtlCount> drives;
  // The outputs while the GPIF is idle (GPIFIDLECTL).
  std::array<Level, kCtlCount> idle{};
};

Initialization decode_initialization(const GpifImage& image);

// The waveforms that serve each transfer, in the order of the select rows.
enum class Transfer : std::uint8_t {
  SingleWrite,
  SingleRead,
  FifoWrite,
  FifoRead
};

}  // namespace wfpack
