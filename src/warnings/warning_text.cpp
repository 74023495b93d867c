// The text of each warning, built from the format's own names and sizes.
#include <cstdio>
#include <string>

#include "format/hex_value.h"
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

std::string quoted(char c) { return quoted(std::string_view(&c, 1)); }

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

// "InitData", or a banked table with its bank: "WaveData bank 2"; a body
// that names no bank is the table's alone.
std::string table_of(const Warning& warning) {
  std::string text(table_name(warning.table));
  if (warning.table != TableKind::InitData && warning.bank != kNoBank) {
    text += " bank " + std::to_string(warning.bank);
  }
  return text;
}

// A count with its noun, and the verb that agrees: "1 value", "was";
// "2 values", "were".
std::string values(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " value" : " values");
}
std::string were(std::size_t count) { return count == 1 ? " was" : " were"; }

// "it" or "them", as count asks.
std::string them(std::size_t count) { return count == 1 ? "it" : "them"; }

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
      return "a table header is " + quoted(const_char) + ", then " +
             quoted(kStorageClasses[0]) + ", " + quoted(kStorageClasses[1]) +
             " or nothing, then the table's name";
    case UnreadReason::BlankBeforeBracket:
      return "a blank between " + name + " and " + quoted(kFirstBankSelector) +
             " names no bank";
  }
  return {};
}

std::string table_in_body(const Warning& warning) {
  const std::string body_line = std::to_string(warning.body_line);
  std::string text = "table " + quoted(warning.text_view()) +
                     " is inside the body of " + table_of(warning) +
                     " from line " + body_line +
                     ": a table body ends only at a line that begins with " +
                     quoted(kTableBodyEnd);
  if (warning.body_header_values) {
    text += ", and values on a header's own line, as on line " + body_line +
            ", are not read";
  }
  return text;
}

// The values of a table body that the compiler reads otherwise.
std::string values_read_otherwise(const Warning& warning) {
  const std::size_t count = warning.count;
  const std::string table = table_of(warning);
  char first_saturated[16];
  std::snprintf(first_saturated, sizeof first_saturated, "0x%X",
                static_cast<unsigned>(kFirstSaturated));
  switch (warning.kind) {
    case Warning::Kind::ValuesAfterOperator:
      return values(count) + " after an operator" + were(count) +
             " read into " + table +
             (count == 1 ? " as it stands" : " as they stand") +
             ": the compiler computes with the operator";
    case Warning::Kind::ValuesInsideToken:
      return values(count) + " inside a longer token" + were(count) +
             " read into " + table + ": the compiler reads the token whole";
    case Warning::Kind::ValuesOutOfRange:
      return values(count) + " of " + first_saturated + " or more" +
             were(count) + " read into " + table + " as " +
             hex(static_cast<std::uint8_t>(kSaturatedValue)) +
             ": the compiler stores " + (count == 1 ? "its" : "their") +
             " low byte";
    case Warning::Kind::ValuesWithUpperPrefix:
      return values(count) + " written with " + quoted(kUpperValuePrefix) +
             were(count) + " not read into " + table +
             ": the compiler stores " + them(count) + ", so the values after " +
             them(count) + " shift";
    default:
      return {};
  }
}

// IFCONFIG's line as the reader needs it: "2 blanks, 'IFCONFIG', a blank
// and '='".
std::string ifconfig_line_form() {
  return std::to_string(kIfconfigIndent) + " blanks, " + quoted(kIfconfigName) +
         ", a blank and " + quoted(kAssignment);
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
      // A value read from what is no plain number is nowhere in the source:
      // the line is named with what it is read as.
      return ifconfig + " is set again: " +
             (warning.plain
                  ? hex(warning.value)
                  : "this line's value, read as " + hex(warning.value) + ",") +
             " replaces " +
             (warning.previous_line == 0
                  ? hex(warning.previous)
                  : "the value set at line " +
                        std::to_string(warning.previous_line) + ", read as " +
                        hex(warning.previous));
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
    case Warning::Kind::TableInBody:
      return table_in_body(warning);
    case Warning::Kind::ValuesAfterOperator:
    case Warning::Kind::ValuesInsideToken:
    case Warning::Kind::ValuesOutOfRange:
    case Warning::Kind::ValuesWithUpperPrefix:
      return values_read_otherwise(warning);
    case Warning::Kind::IfconfigNotRead:
      return ifconfig + " is set on this line but not read: the " + ifconfig +
             " line begins with " + ifconfig_line_form();
  }
  return {};
}

std::string counted(std::size_t count, std::string_view noun) {
  return std::to_string(count) + " " + std::string(noun) +
         (count == 1 ? "" : "s");
}

}  // namespace wfpack
