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

std::string quoted(char c) { return quoted(std::string_view(&c, 1)); }

std::string hex(std::uint8_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02x", value);
  return text;
}

std::string bytes_of(TableKind table) {
  return std::to_string(table_size(table)) + " bytes";
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
      return "a table header is " + quoted(const_char) + ", then " +
             quoted(kStorageClasses[0]) + ", " + quoted(kStorageClasses[1]) +
             " or nothing, then the table's name";
    case UnreadReason::BlankBeforeBracket:
      return "a blank between " + name + " and " + quoted(kFirstBankSelector) +
             " names no bank";
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
      return std::to_string(warning.count) +
             " values inside a comment were read into " + table_of(warning);
    case Warning::Kind::TableSize:
      return table_of(warning) + " holds " + std::to_string(warning.count) +
             " values, not " + std::to_string(table_size(warning.table));
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
  }
  return {};
}

}  // namespace wfpack
