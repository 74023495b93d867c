// The text of each warning, built from the format's own names and sizes.
#include <cstdio>
#include <string>

#include "warnings/source_warnings.h"

namespace wfpack {

namespace {

// A table-not-read warning is cut to this many characters, however long
// the declared name.
constexpr std::size_t kTableNotReadLimit = 160;

std::string quoted(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  out += text;
  out += '\'';
  return out;
}

std::string hex(std::uint8_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02x", value);
  return text;
}

std::string bytes_of(TableKind table) {
  return std::to_string(table_size(table)) + " bytes";
}

// What a description warning says of its first cell: "interval 3 IF/Wait
// is 'Wait 2', described as 'IF' (and 6 more cells)", and why it matters.
std::string description_difference(const Warning& warning) {
  std::string text = " is not what its description says: ";
  if (warning.kind == Warning::Kind::WaveformDescription) {
    text += warning.column == kIdleColumn
                ? std::string("Idle ")
                : "interval " + std::to_string(warning.column) + " ";
  }
  text += std::string(warning.text_view()) + " is " +
          (warning.given.empty() ? std::string("empty")
                                 : quoted(warning.given.view())) +
          ", described as " + quoted(warning.described.view());
  if (warning.count != 0) {
    text += " (and " + counted(warning.count, "more cell") + ")";
  }
  return text +
         "; saving the file from the design tool writes the description "
         "back [-W" +
         std::string(kDescriptionWarnings) + "]";
}

std::string waveform_of(const Warning& warning) {
  std::string text;
  if (warning.bank != 0) text += "bank " + std::to_string(warning.bank) + " ";
  text += "waveform " + std::to_string(warning.waveform);
  if (!warning.name.empty()) text += " " + quoted(warning.name.view());
  return text;
}

// "InitData", or a banked table with its bank: "WaveData bank 2".
std::string table_of(const Warning& warning) {
  std::string text(table_name(warning.table));
  if (warning.table != TableKind::InitData) {
    text += " bank " + std::to_string(warning.bank);
  }
  return text;
}

std::string reason_text(const Warning& warning) {
  const std::string name(table_name(warning.table));
  const std::string const_char =
      std::string(kHeaderConst) + " " + std::string(kHeaderChar);
  switch (warning.reason) {
    case UnreadReason::NoBank:
      return "only " + name + " and " + name + "0 to " + name +
             std::to_string(kBankCount - 1) + " name a bank";
    case UnreadReason::NotAtLineStart:
      return "a table header must begin its line";
    case UnreadReason::NotConstChar:
      return "a table header begins with " + quoted(const_char);
    case UnreadReason::InitDataSpelling:
      return "only " + quoted(name + std::string(kInitDataDeclarator)) +
             " is read";
    case UnreadReason::HeaderSpelling:
      return "a table header is " + quoted(const_char) + ", " +
             quoted(kStorageClasses[0]) + " or " + quoted(kStorageClasses[1]) +
             " if any, then the name";
  }
  return {};
}

std::string table_not_read(const Warning& warning) {
  std::string text = "table " + quoted(warning.text_view()) +
                     " is not read: " + reason_text(warning);
  if (text.size() > kTableNotReadLimit) text.resize(kTableNotReadLimit);
  return text;
}

}  // namespace

std::string describe(const Warning& warning) {
  const std::string ifconfig(kIfconfigName);
  const std::string bank = std::to_string(warning.bank);
  switch (warning.kind) {
    case Warning::Kind::TableNotRead:
      return table_not_read(warning);
    case Warning::Kind::ValuesInComment:
      return counted(warning.count, "value") + " inside a comment " +
             (warning.count == 1 ? "was" : "were") + " read into " +
             table_of(warning);
    case Warning::Kind::TableSize:
      return table_of(warning) + " holds " + counted(warning.count, "value") +
             ", not " + std::to_string(table_size(warning.table));
    case Warning::Kind::NotClosed:
      return table_of(warning) + " is not closed by " + quoted(kTableBodyEnd);
    case Warning::Kind::IfconfigNotPlain:
      return ifconfig + " is set from " + quoted(warning.text_view()) +
             ", not a " + std::string(kValuePrefix) +
             " number: it is read as " + hex(warning.value);
    case Warning::Kind::IfconfigAgain:
      // A value read from what is no plain number is nowhere in the source.
      return ifconfig + " is set again: " +
             (warning.plain ? hex(warning.value) : "this line's value") +
             " replaces " +
             (warning.previous_line == 0
                  ? hex(warning.previous)
                  : "the value set at line " +
                        std::to_string(warning.previous_line));
    case Warning::Kind::NoIfconfig:
      return "no " + ifconfig + " line; " + ifconfig + " is " + hex(0);
    case Warning::Kind::NoInitData:
      return "no " + std::string(table_name(TableKind::InitData)) +
             " table; its " + bytes_of(TableKind::InitData) + " are " + hex(0);
    case Warning::Kind::NoWaveData:
      return "no " + std::string(table_name(TableKind::WaveData)) +
             " table; the image holds no bank";
    case Warning::Kind::NoFlowStates:
      return "bank " + bank + " has no " +
             std::string(table_name(TableKind::FlowStates)) + " table; its " +
             bytes_of(TableKind::FlowStates) + " are " + hex(0);
    case Warning::Kind::FlowStatesUnused:
      return std::string(table_name(TableKind::FlowStates)) + " bank " + bank +
             " is not in the image: bank " + bank + " has no " +
             std::string(table_name(TableKind::WaveData)) + " table";
    case Warning::Kind::WaveformDescription:
      return waveform_of(warning) + description_difference(warning);
    case Warning::Kind::InitDescription:
      return "the initialization" + description_difference(warning);
  }
  return {};
}

std::string counted(std::size_t count, std::string_view noun) {
  return std::to_string(count) + " " + std::string(noun) +
         (count == 1 ? "" : "s");
}

}  // namespace wfpack
