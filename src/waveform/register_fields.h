// IFCONFIG's fields and those of the registers InitData is loaded into,
// described once, as data, as the fields of the waveform tables are: the
// chip's names and meanings, and the design tool's initialization block's
// words. The flow state's registers' names.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/gpif_image.h"
#include "waveform/fields.h"

namespace wfpack {

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
// clang-format off
inline constexpr std::array<RegisterField, kIfconfigFieldCount> kIfconfigFields = {{
    {0, "IFCLKSRC", kIfclkSrcBit, 1, {"", "internal clock"}, {}, {}, {}},
    {0, "3048MHZ", kIfclk48MhzBit, 1, {"30 MHz", "48 MHz"}, {}, {}, {}},
    {0, "IFCLKOE", kIfclkOeBit, 1, {"", "clock driven out"}, {}, {}, {}},
    {0, "IFCLKPOL", 4, 1, {"", "inverted clock"}, {}, {}, {}},
    {0, "ASYNC", 3, 1, {"", "asynchronous"}, {}, {}, {}},
    {0, "GSTATE", 2, 1, {"", "GPIF state on port pins"}, {}, {}, {}},
    {0, "IFCFG", 0, 2, {"ports", "", "GPIF master", "slave FIFO"}, {}, {}, {}},
}};
// clang-format on

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
// clang-format off
inline constexpr std::array<RegisterField, kInitFieldCount> kInitFields = {{
    {kReadyConfigByte, "INTRDY", 7, 1, {"", "internal ready set"},
     "Internal Ready Init", Wording::Listed, {"IntRdy=0", "IntRdy=1"}},
    {kReadyConfigByte, "SAS", 6, 1, {"", "ready inputs sampled synchronously"},
     "Interface Timing", Wording::Listed, {"Async", "Sync"}},
    {kReadyConfigByte, "TCXRDY5", 5, 1, {"", "term 5 is the transaction count's expiry"},
     {}, {}, {}},
    {kCtlConfigByte, "TRICTL", 7, 1, {"", "CTL0 to CTL3 tristate-able"},
     "CTL Out Tristate-able", Wording::Listed, {"Binary", "Tristate"}},
    {kWaveSelectByte, {}, 6, 2, {}, "SingleWrite WF Select", Wording::Number, {}},
    {kWaveSelectByte, {}, 4, 2, {}, "SingleRead WF Select", Wording::Number, {}},
    {kWaveSelectByte, {}, 2, 2, {}, "FifoWrite WF Select", Wording::Number, {}},
    {kWaveSelectByte, {}, 0, 2, {}, "FifoRead WF Select", Wording::Number, {}},
}};
// clang-format on
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
  // clang-format off
  return {kCtlConfigByte, {}, static_cast<std::uint8_t>(ctl), 1, {}, {},
          Wording::Listed, {"CMOS", "Op Drain"}};
  // clang-format on
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
