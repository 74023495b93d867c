#include "reader/line_start.h"

namespace wfpack {

namespace {

// The design tool writes the IFCONFIG assignment with exactly this
// indentation; firmware that assigns IFCONFIG elsewhere is not read.
constexpr std::string_view kIfconfigPrefix = "  IFCONFIG =";
static_assert(kIfconfigPrefix.size() == kIfconfigValueOffset);

// Longer runs of blanks and tabs are cut to this many characters.
constexpr std::size_t kFoldedBlankRun = 3;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Reads a table header's words from the front of text.
class HeaderWords {
 public:
  explicit HeaderWords(std::string_view text) : rest_(text) {}

  bool word(std::string_view literal) {
    if (!rest_.starts_with(literal)) return false;
    rest_.remove_prefix(literal.size());
    return true;
  }
  bool blanks() {
    std::size_t count = 0;
    while (count < rest_.size() && is_blank(rest_[count])) ++count;
    rest_.remove_prefix(count);
    return count > 0;
  }
  // An optional storage class, taken only with the blanks after it.
  void storage_class() {
    for (std::string_view storage : {"xdata", "__xdata"}) {
      HeaderWords attempt = *this;
      if (attempt.word(storage) && attempt.blanks()) {
        *this = attempt;
        return;
      }
    }
  }
  char selector() const { return rest_.empty() ? kNoSelector : rest_.front(); }
  std::size_t rest_size() const { return rest_.size(); }

 private:
  std::string_view rest_;
};

}  // namespace

const char* LinePrefix::take(const char* p, const char* end) {
  // Locals, not members, in the loop: every character stored could
  // otherwise change them as far as the compiler knows.
  std::size_t size = size_;
  std::size_t blank_run = blank_run_;
  for (; p < end && size < kCapacity; ++p) {
    const char c = *p;
    if (c == '\n' || c == '\0') {
      end_line();
      break;
    }
    blank_run = is_blank(c) ? blank_run + 1 : 0;
    if (blank_run <= kFoldedBlankRun) text_[size++] = c;
  }
  size_ = size;
  blank_run_ = blank_run;
  if (size >= kCapacity) complete_ = true;
  return p;
}

std::size_t bank_from_selector(char selector) {
  if (selector == '[') return 0;
  if (selector >= '0' && selector < static_cast<char>('0' + kBankCount)) {
    return static_cast<std::size_t>(selector - '0');
  }
  return kNoBank;
}

LineStart classify_line(std::string_view prefix) {
  if (prefix.starts_with(kIfconfigPrefix)) return {LineKind::Ifconfig};
  HeaderWords words(prefix);
  if (!words.word("const") || !words.blanks() || !words.word("char") ||
      !words.blanks()) {
    return {};
  }
  words.storage_class();
  const std::size_t name_at = prefix.size() - words.rest_size();
  if (words.word("InitData[7] =")) {
    return {LineKind::Header, TableKind::InitData, kNoSelector, name_at};
  }
  for (const TableKind table : {TableKind::WaveData, TableKind::FlowStates}) {
    if (words.word(table == TableKind::WaveData ? "WaveData" : "FlowStates")) {
      // Every header fits in a prefix, so one that lacks its selector is
      // one whose line ended there.
      return {LineKind::Header, table, words.selector(), name_at};
    }
  }
  return {};
}

}  // namespace wfpack
