#include "update/line_edits.h"

#include <algorithm>

#include "format/source_format.h"

namespace wfpack {

namespace {

// A line's characters before a trailing carriage return and any NUL byte:
// what a description's reader sees of it.
std::string edited_line(std::string_view line,
                        const std::vector<const CellEdit*>& edits) {
  const std::size_t hidden_at = std::min(line.find(kHidingNul), line.size());
  std::string_view visible = line.substr(0, hidden_at);
  const bool return_kept =
      !visible.empty() && visible.back() == '\r' && hidden_at == line.size();
  if (return_kept) visible.remove_suffix(1);
  std::string text(visible);
  const bool blanks_kept = !text.empty() && is_blank(text.back());
  for (const CellEdit* edit : edits) {
    std::size_t end = edit->at + edit->width;
    if (edit->width == CellEdit::kToLineEnd) {
      end = std::max(edit->at, text.find_last_not_of(" \t") + 1);
    }
    if (text.size() < end) text.resize(end, ' ');
    std::string word(edit->word_at, ' ');
    word += edit->new_word.view();
    if (word.size() < end - edit->at) word.resize(end - edit->at, ' ');
    text.replace(edit->at, end - edit->at, word);
  }
  text.erase(std::min(text.find_last_not_of(" \t") + 1, text.size()));
  if (blanks_kept && text.size() < visible.size()) {
    text.resize(visible.size(), ' ');
  }
  if (return_kept) text += '\r';
  text += line.substr(hidden_at);
  return text;
}

}  // namespace

std::string apply_literal_edits(std::string_view source,
                                const std::vector<LiteralEdit>& edits) {
  std::string text;
  text.reserve(source.size() + edits.size());
  std::size_t at = 0;
  for (const LiteralEdit& edit : edits) {
    text += source.substr(at, edit.offset - at);
    text += edit.text;
    at = edit.offset + edit.size;
  }
  text += source.substr(at);
  return text;
}

std::string apply_cell_edits(std::string_view source,
                             const std::vector<CellEdit>& edits) {
  std::vector<const CellEdit*> sorted;
  for (const CellEdit& edit : edits) sorted.push_back(&edit);
  std::stable_sort(
      sorted.begin(), sorted.end(), [](const CellEdit* a, const CellEdit* b) {
        return a->line != b->line ? a->line < b->line : a->at < b->at;
      });
  std::string text;
  text.reserve(source.size() + 16 * edits.size());
  std::size_t next = 0;
  std::size_t line = 1;
  std::size_t at = 0;
  // The source ends at its first 0x1A; nothing after it is a line.
  const std::size_t input_end =
      std::min(source.find(kEndOfInput), source.size());
  while (next < sorted.size() && at < input_end) {
    const std::size_t end = std::min(source.find(kLineFeed, at), input_end);
    std::vector<const CellEdit*> on_line;
    while (next < sorted.size() && sorted[next]->line == line) {
      on_line.push_back(sorted[next++]);
    }
    const std::string_view content = source.substr(at, end - at);
    text +=
        on_line.empty() ? std::string(content) : edited_line(content, on_line);
    text += source.substr(end, end < input_end ? 1 : 0);
    at = end + (end < input_end ? 1 : 0);
    ++line;
    if (end == input_end) break;
  }
  text += source.substr(at);
  return text;
}

}  // namespace wfpack
