#include "format/line_class.h"

namespace wfpack {

LineClass classify_line(std::string_view line) {
  if (line.starts_with(kIfconfigPrefix)) return {LineKind::Ifconfig};
  HeaderWords words(line);
  if (!words.word(kHeaderConst) || !words.blanks() ||
      !words.word(kHeaderChar) || !words.blanks()) {
    return {};
  }
  words.storage_class();
  const std::size_t name_at = line.size() - words.rest().size();
  for (const TableKind table :
       {TableKind::InitData, TableKind::WaveData, TableKind::FlowStates}) {
    if (!words.word(table_name(table))) continue;
    if (table == TableKind::InitData) {
      if (!words.word(kInitDataDeclarator)) return {};
      return {LineKind::Header, table, kNoSelector, name_at};
    }
    // Every header fits in what is classified, so one that lacks its
    // selector is one whose line ended there.
    const std::string_view rest = words.rest();
    return {LineKind::Header, table, rest.empty() ? kNoSelector : rest.front(),
            name_at};
  }
  return {};
}

}  // namespace wfpack
