// Every field of the tables, described once, as data: which byte it lies
// in, its bits, under which intervals the design tool gives it a cell, and
// the tool's words for its values. The decode, the encode, the comparison
// with a description and every view read these tables, so a word added
// here is added to all of them at once and cannot differ between them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/gpif_image.h"
#include "waveform/word.h"

namespace wfpack {

// The field rows of the design tool's table of a waveform, in its order.
enum class Row : std::uint8_t {
  AddrMode,
  DataMode,
  NextData,
  IntTrig,
  IfWait,
  TermA,
  LFunc,
  TermB,
  Branch1,
  Branch0,
  ReExec,
  SnglCrc,
};
inline constexpr std::size_t kRowCount = 12;

// An interval's four bytes, one from each eighth of its waveform's 32
// bytes, in the order the eighths lie.
enum class Lane : std::uint8_t { LenBr, Opcode, Output, LFun };
inline constexpr std::size_t kLaneCount = 4;
using IntervalBytes = std::array<std::uint8_t, kLaneCount>;

// How a field's value reads in the design tool's words.
enum class Wording : std::uint8_t {
  // words[value]; an empty one: the tool's word for the value is not
  // known, and `unknown` stands in for it where it must be shown.
  Listed,
  // The bit set: words[1] ("IF"). Clear: words[0] and the wait's length in
  // clock cycles, which is the whole LenBr byte, 0 meaning 256 ("Wait 2").
  WaitOrDecision,
  // words[0] and the interval ("Then 3"), or words[1] for 7, the idle
  // state ("ThenIdle").
  Target,
  // The name of the term the value numbers.
  Term,
  // The value in decimal.
  Number,
};

// Which intervals a field row has cells under.
enum class Under : std::uint8_t { Every, Decision };

struct RowField {
  std::string_view label;  // as the tool labels the row, indent included
  Lane lane;
  std::uint8_t low;
  std::uint8_t width;
  Under under;
  Wording wording;
  std::array<std::string_view, 4> words;
  std::string_view unknown;
};

inline constexpr std::array<RowField, kRowCount> kRowFields = {{
    {"AddrMode",
     Lane::Opcode,
     3,
     1,
     Under::Every,
     Wording::Listed,
     {"Same Val", "Inc Val"},
     {}},
    {"DataMode",
     Lane::Opcode,
     1,
     1,
     Under::Every,
     Wording::Listed,
     {"NO Data", "Activate"},
     {}},
    {"NextData",
     Lane::Opcode,
     2,
     1,
     Under::Every,
     Wording::Listed,
     {"SameData", "NextData"},
     {}},
    {"Int Trig",
     Lane::Opcode,
     4,
     1,
     Under::Every,
     Wording::Listed,
     {"No Int", "Trig Int"},
     {}},
    {"IF/Wait",
     Lane::Opcode,
     0,
     1,
     Under::Every,
     Wording::WaitOrDecision,
     {"Wait ", "IF"},
     {}},
    {"  Term A", Lane::LFun, 3, 3, Under::Decision, Wording::Term, {}, {}},
    {"  LFunc",
     Lane::LFun,
     6,
     2,
     Under::Decision,
     Wording::Listed,
     {"AND", "OR", "XOR", "!A AND B"},
     {}},
    {"  Term B", Lane::LFun, 0, 3, Under::Decision, Wording::Term, {}, {}},
    {"Branch1",
     Lane::LenBr,
     3,
     3,
     Under::Decision,
     Wording::Target,
     {"Then ", "ThenIdle"},
     {}},
    {"Branch0",
     Lane::LenBr,
     0,
     3,
     Under::Decision,
     Wording::Target,
     {"Else ", "ElseIdle"},
     {}},
    {"Re-Exec",
     Lane::LenBr,
     7,
     1,
     Under::Decision,
     Wording::Listed,
     {"No", "Yes"},
     {}},
    // The tool's word for a set SGL bit is not known.
    {"Sngl/CRC",
     Lane::Opcode,
     5,
     1,
     Under::Every,
     Wording::Listed,
     {"Default", ""},
     "SGL"},
}};

constexpr const RowField& row_field(Row row) {
  return kRowFields[static_cast<std::size_t>(row)];
}
// The row's label without the indent of the logic rows: what messages
// call it.
constexpr std::string_view row_name(Row row) {
  const std::string_view label = row_field(row).label;
  return label.substr(label.find_first_not_of(' '));
}

// Bits no field uses: the tool writes them clear and has no word for them.
inline constexpr std::uint8_t kUnusedOpcodeBits = 0xC0;
inline constexpr std::uint8_t kUnusedDecisionLenBrBits = 0x40;

// A wait's LenBr byte counts clock cycles, 0 meaning this many.
inline constexpr unsigned kLongestWait = 256;

// The terms a decision point tests: RDY0 to RDY5, the FIFO flag and the
// internal ready flag; a Term field numbers one of them.
inline constexpr std::size_t kTermCount = 8;
using TermNames = std::array<Word, kTermCount>;

constexpr std::uint8_t field_mask(std::uint8_t low, std::uint8_t width) {
  return static_cast<std::uint8_t>(((1u << width) - 1u) << low);
}
constexpr std::uint8_t field_value(std::uint8_t byte, std::uint8_t low,
                                   std::uint8_t width) {
  return static_cast<std::uint8_t>((byte & field_mask(low, width)) >> low);
}

// ------------------------------------------------------- the CTL outputs

// An Output byte, and every byte of its form (GPIFIDLECTL, FLOWEQ0CTL,
// FLOWEQ1CTL): CTL n's level is bit n. While GPIFCTLCFG's TRICTL is set only
// CTL0 to CTL3 are outputs, each enabled by bit n + kEnableShift and
// floating while that bit is clear.
inline constexpr std::size_t kCtlCount = 6;
inline constexpr std::size_t kTristateCtlCount = 4;
inline constexpr std::uint8_t kEnableShift = 4;

enum class Level : std::uint8_t { None, Low, High, Floating };
// The tool's words for Low, High and Floating.
inline constexpr std::array<std::string_view, 3> kLevelWords = {"0", "1", "z"};

// ------------------------------------------- reading and writing the words

// The cell of a row under an interval with these bytes, empty where the
// row has none there (the logic rows under a wait).
Word row_word(Row row, const IntervalBytes& bytes, const TermNames& terms);

// Whether two words of a row's cells say the same: equal, or, where the
// tool has one word only for a field's first value (Sngl/CRC's "Default"),
// both that word or both another.
bool same_word(Row row, const Word& a, const Word& b);

enum class WordFit : std::uint8_t {
  Set,      // the word's bits are set
  Unknown,  // the row has no such word
  Shared,   // a term name two terms share, and the byte's term is neither
};
// Sets in bytes the bits a row's word says, and marks them in described.
// A decision point's LenBr bits follow from the branch rows, so "IF" sets
// only its own bit; "Wait N" sets the whole LenBr.
WordFit set_row_word(Row row, const Word& word, const TermNames& terms,
                     IntervalBytes& bytes, IntervalBytes& described);

bool is_decision(const IntervalBytes& bytes);

Level level_of(std::uint8_t byte, std::size_t ctl, bool tristate);
// "0", "1", "z", or empty for no level.
Word level_word(Level level);
// Sets CTL ctl's level in a byte of the Output form from its word, as
// set_row_word does; false for a word that is no level of that output. A
// floating output's level bit is not described.
bool set_level(const Word& word, std::size_t ctl, bool tristate,
               std::uint8_t& byte, std::uint8_t& described);

// ----------------------------------------------------- the registers' fields

// A field of IFCONFIG or of a register InitData is loaded into: the
// chip's name for it (empty where it is not shown as a field of its own),
// the chip's meaning of each value where it is known, and where the design
// tool's initialization block describes it, that row's label and words.
struct RegisterField {
  std::size_t byte;  // of InitData; IFCONFIG's fields ignore it
  std::string_view name;
  std::uint8_t low;
  std::uint8_t width;
  std::array<std::string_view, 4> meanings;
  std::string_view label;
  Wording wording;
  std::array<std::string_view, 4> words;
};

inline constexpr std::size_t kIfconfigFieldCount = 7;
inline constexpr std::array<RegisterField, kIfconfigFieldCount>
    kIfconfigFields = {{
        {0, "IFCLKSRC", kIfclkSrcBit, 1, {"", "internal clock"}, {}, {}, {}},
        {0, "3048MHZ", kIfclk48MhzBit, 1, {"30 MHz", "48 MHz"}, {}, {}, {}},
        {0, "IFCLKOE", kIfclkOeBit, 1, {"", "clock driven out"}, {}, {}, {}},
        {0, "IFCLKPOL", 4, 1, {"", "inverted clock"}, {}, {}, {}},
        {0, "ASYNC", 3, 1, {"", "asynchronous"}, {}, {}, {}},
        {0, "GSTATE", 2, 1, {"", "GPIF state on port pins"}, {}, {}, {}},
        {0,
         "IFCFG",
         0,
         2,
         {"ports", "", "GPIF master", "slave FIFO"},
         {},
         {},
         {}},
    }};

// The rows of the design tool's initialization block that InitData
// decides, in its order.
enum class InitRow : std::uint8_t {
  InterfaceTiming,
  InternalReady,
  CtlTristate,
  SingleWriteSelect,
  SingleReadSelect,
  FifoWriteSelect,
  FifoReadSelect,
};
inline constexpr std::size_t kInitRowCount = 7;

// InitData's bytes, by the register the setup code loads each into.
inline constexpr std::size_t kReadyConfigByte = 0;  // GPIFREADYCFG
inline constexpr std::size_t kCtlConfigByte = 1;    // GPIFCTLCFG
inline constexpr std::size_t kIdleCtlByte = 3;      // GPIFIDLECTL
inline constexpr std::size_t kWaveSelectByte = 5;   // GPIFWFSELECT
// The registers' names; empty for the byte the setup code does not load.
inline constexpr std::array<std::string_view, kInitDataSize> kInitRegisters = {
    "GPIFREADYCFG", "GPIFCTLCFG",   "GPIFIDLECS", "GPIFIDLECTL", "",
    "GPIFWFSELECT", "GPIFREADYSTAT"};

// In each byte's bit order, highest first; the initialization block's rows
// are kInitFields[kInitRowFields[row]].
inline constexpr std::size_t kInitFieldCount = 8;
inline constexpr std::array<RegisterField, kInitFieldCount> kInitFields = {{
    {kReadyConfigByte,
     "INTRDY",
     7,
     1,
     {"", "internal ready set"},
     "Internal Ready Init",
     Wording::Listed,
     {"IntRdy=0", "IntRdy=1"}},
    {kReadyConfigByte,
     "SAS",
     6,
     1,
     {"", "ready inputs sampled synchronously"},
     "Interface Timing",
     Wording::Listed,
     {"Async", "Sync"}},
    {kReadyConfigByte,
     "TCXRDY5",
     5,
     1,
     {"", "term 5 is the transaction count's expiry"},
     {},
     {},
     {}},
    {kCtlConfigByte,
     "TRICTL",
     7,
     1,
     {"", "CTL0 to CTL3 tristate-able"},
     "CTL Out Tristate-able",
     Wording::Listed,
     {"Binary", "Tristate"}},
    {kWaveSelectByte,
     {},
     6,
     2,
     {},
     "SingleWrite WF Select",
     Wording::Number,
     {}},
    {kWaveSelectByte,
     {},
     4,
     2,
     {},
     "SingleRead WF Select",
     Wording::Number,
     {}},
    {kWaveSelectByte, {}, 2, 2, {}, "FifoWrite WF Select", Wording::Number, {}},
    {kWaveSelectByte, {}, 0, 2, {}, "FifoRead WF Select", Wording::Number, {}},
}};
inline constexpr std::array<std::size_t, kInitRowCount> kInitRowFields = {
    1, 0, 3, 4, 5, 6, 7};
inline constexpr std::size_t kCountExpiryField = 2;  // TCXRDY5
inline constexpr std::size_t kTristateField = 3;     // TRICTL
// Term 5 is the transaction count's expiry while TCXRDY5 is set.
inline constexpr std::size_t kCountExpiryTerm = 5;

constexpr const RegisterField& init_field(InitRow row) {
  return kInitFields[kInitRowFields[static_cast<std::size_t>(row)]];
}

// A register field's value, and its word in the initialization block; a
// word read back as set_row_word does, false for one the field has not.
std::uint8_t register_value(const RegisterField& field, std::uint8_t byte);
Word register_word(const RegisterField& field, std::uint8_t byte);
bool set_register_word(const RegisterField& field, const Word& word,
                       std::uint8_t& byte, std::uint8_t& described);

// While TRICTL is clear, GPIFCTLCFG's bit n makes CTL n open-drain: the
// level word of the names block's "// CTL n" line.
constexpr RegisterField drive_field(std::size_t ctl) {
  return {kCtlConfigByte,
          {},
          static_cast<std::uint8_t>(ctl),
          1,
          {},
          {},
          Wording::Listed,
          {"CMOS", "Op Drain"}};
}

// -------------------------------------------------------- the flow state

// Each waveform's nine FlowStates bytes: the first eight are registers, the
// ninth is not loaded. FLOWSTATE's bit 7 enables the flow state and its
// bits 2:0 name the interval; FLOWLOGIC has an LFun byte's form, FLOWEQ0CTL
// and FLOWEQ1CTL an Output byte's.
inline constexpr std::array<std::string_view, 8> kFlowRegisters = {
    "FLOWSTATE",   "FLOWLOGIC", "FLOWEQ0CTL",  "FLOWEQ1CTL",
    "FLOWHOLDOFF", "FLOWSTB",   "FLOWSTBEDGE", "FLOWSTBHPERIOD"};
inline constexpr std::uint8_t kFlowEnableBit = 7;
inline constexpr std::uint8_t kFlowIntervalWidth = 3;

}  // namespace wfpack
