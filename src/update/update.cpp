#include "update/update.h"

#include <algorithm>

#include "description/described_tables.h"
#include "description/description_edits.h"
#include "image/byte_text.h"
#include "image/table_bytes.h"
#include "update/line_edits.h"
#include "update/table_literals.h"

namespace wfpack {

namespace {

std::string change_text(const std::string& subject, const Word& old_word,
                        const Word& new_word) {
  return subject + ": '" + std::string(old_word.view()) + "' -> '" +
         std::string(new_word.view()) + "'";
}

// "WaveData bank 0 byte 9".
std::string byte_name(std::size_t at) {
  if (at < kWaveDataAt) return "InitData byte " + std::to_string(at);
  const bool wave = at < kFlowStatesAt;
  const std::size_t bank_size = wave ? kWaveBankSize : kFlowBankSize;
  const std::size_t offset = at - (wave ? kWaveDataAt : kFlowStatesAt);
  return std::string(wave ? "WaveData" : "FlowStates") + " bank " +
         std::to_string(offset / bank_size) + " byte " +
         std::to_string(offset % bank_size);
}

std::string unwritable(const Literal& literal, std::size_t at) {
  if (!literal.supplied()) {
    return "its table does not supply " + byte_name(at);
  }
  return byte_name(at) + " stands in a table body with " +
         std::string(body_fault_text(literal.fault)) + " (line " +
         std::to_string(literal.fault_line) + ")";
}

void update_tables(std::string_view source, const GpifImage& image,
                   const Descriptions& descriptions, UpdateResult& result) {
  DescribedTables described = described_tables(image, descriptions);
  result.messages = std::move(described.errors);
  if (!result.messages.empty() || described.image == image) return;
  const TableLiterals literals(source, image);
  std::vector<LiteralEdit> edits;
  for (std::size_t at = 0; at < kTableByteCount; ++at) {
    const std::uint8_t byte = table_byte(described.image, at);
    if (byte == table_byte(image, at)) continue;
    const Literal& literal = literals.at(at);
    if (literal.plain()) {
      const std::string_view old_text =
          source.substr(literal.offset, 2 + literal.digits);
      edits.push_back({literal.offset, old_text.size(),
                       literal_text(old_text, byte, literal.upper_case)});
      continue;
    }
    for (const ChangedCell& cell : described.changed) {
      if (std::find(cell.bytes.begin(), cell.bytes.begin() + cell.byte_count,
                    at) == cell.bytes.begin() + cell.byte_count) {
        continue;
      }
      result.messages.push_back(
          {Message::Kind::Error, cell.line, cell.column,
           cell.subject + ": '" + std::string(cell.new_word.view()) +
               "' cannot be written: " + unwritable(literal, at)});
    }
  }
  if (!result.messages.empty()) return;
  for (const ChangedCell& cell : described.changed) {
    for (std::size_t i = 0; i < cell.byte_count; ++i) {
      const std::size_t at = cell.bytes[i];
      std::string text =
          change_text(cell.subject, cell.old_word, cell.new_word);
      text += " (";
      append_hex(text, table_byte(image, at));
      text += " -> ";
      append_hex(text, table_byte(described.image, at));
      text += ")";
      result.messages.push_back(
          {Message::Kind::Note, literals.at(at).line, 0, std::move(text)});
    }
  }
  // InitData's literals may stand after WaveData's, or anywhere.
  std::sort(edits.begin(), edits.end(),
            [](const LiteralEdit& a, const LiteralEdit& b) {
              return a.offset < b.offset;
            });
  result.text = apply_literal_edits(source, edits);
  result.changed = true;
}

void update_description(std::string_view source, const GpifImage& image,
                        const Descriptions& descriptions,
                        UpdateResult& result) {
  DescriptionEdits edits = description_edits(image, descriptions);
  result.messages = std::move(edits.warnings);
  if (edits.edits.empty()) return;
  for (const CellEdit& edit : edits.edits) {
    result.messages.push_back(
        {Message::Kind::Note, edit.line, 0,
         change_text(edit.subject, edit.old_word, edit.new_word)});
  }
  result.text = apply_cell_edits(source, edits.edits);
  result.changed = result.text != source;
}

}  // namespace

UpdateResult update_source(std::string_view source, const GpifImage& image,
                           const Descriptions& descriptions, UpdateKind kind) {
  UpdateResult result;
  if (kind == UpdateKind::Tables) {
    update_tables(source, image, descriptions, result);
  } else {
    update_description(source, image, descriptions, result);
  }
  result.failed = std::any_of(
      result.messages.begin(), result.messages.end(),
      [](const Message& m) { return m.kind == Message::Kind::Error; });
  if (result.failed) {
    result.changed = false;
    result.text.clear();
  }
  std::stable_sort(result.messages.begin(), result.messages.end(),
                   [](const Message& a, const Message& b) {
                     return a.line != b.line ? a.line < b.line
                                             : a.column < b.column;
                   });
  return result;
}

}  // namespace wfpack
