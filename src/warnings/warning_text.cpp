// The text of each warning, built from the format's own names and sizes.
#include <string>

#include "warnings/text_pieces.h"

namespace wfpack {

using namespace text;

namespace {

// A table-not-read warning is cut to this many characters, however long
// the declared name.
constexpr std::size_t kTableNotReadLimit = 160;

std::string bytes_of(TableKind table) {
  return std::to_string(table_size(table)) + " bytes";
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
      return counted(warning.count, "value") + " inside a comment" +
             were(warning.count) + " read into " + table_of(warning);
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

}  // namespace wfpack
