#pragma once

#include <string>
#include <string_view>

namespace wfpack {

// How a path is split into its directory part and its file name. Both rule
// sets are available on every host, so that each can be tested anywhere;
// the program uses the native one.
enum class PathRules {
  // "/" separates; everything else is part of a name.
  Posix,
  // "\" and "/" both separate, and a drive prefix such as "C:" ends the
  // directory part even without a separator ("C:gpif.c").
  Windows,
};

#ifdef _WIN32
inline constexpr PathRules kNativePathRules = PathRules::Windows;
#else
inline constexpr PathRules kNativePathRules = PathRules::Posix;
#endif

// The name both output files are built from: the source name cut at the
// first period of its file name. The directory part stays, so the outputs
// land beside the source; periods in directory names do not count.
// "work/gpif.c" gives "work/gpif"; a file name without a period is kept
// whole.
std::string base_name(std::string_view source_name,
                      PathRules rules = kNativePathRules);

// The name both output files are built from when they go into directory:
// the directory, a separator unless it ends with one, and the source's file
// name cut at its first period. "build" and "src/gpif.c" give "build/gpif".
std::string base_name_in(std::string_view directory,
                         std::string_view source_name,
                         PathRules rules = kNativePathRules);

// The file name of a path: what follows its directory part, or the whole
// path when it has none.
std::string_view file_name_of(std::string_view path,
                              PathRules rules = kNativePathRules);

}  // namespace wfpack
