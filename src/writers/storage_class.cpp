#include "writers/storage_class.h"

#include <algorithm>
#include <array>

namespace wfpack {

namespace {

constexpr std::string_view kQualifier = "const";
constexpr std::array<std::string_view, 5> kStorageClasses = {
    kQualifier, "__code", "code", "__xdata", "xdata"};

}  // namespace

bool is_storage_class(std::string_view word) {
  return std::find(kStorageClasses.begin(), kStorageClasses.end(), word) !=
         kStorageClasses.end();
}

std::string array_declaration(std::string_view storage, std::string_view type,
                              std::string_view name) {
  std::string declaration;
  if (storage == kQualifier) {
    declaration.append(storage).append(" ");
  }
  declaration.append(type).append(" ");
  if (!storage.empty() && storage != kQualifier) {
    declaration.append(storage).append(" ");
  }
  return declaration.append(name);
}

}  // namespace wfpack
