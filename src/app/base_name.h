#pragma once

#include <string>
#include <string_view>

namespace wfpack {

// The name both output files are built from: the source name cut at the
// first period of its file name. The directory part stays, so the outputs
// land beside the source; periods in directory names do not count.
// "work/gpif.c" gives "work/gpif"; a file name without a period is kept
// whole.
std::string base_name(std::string_view source_name);

// The file name of a path: what follows its last "/", or the whole path.
std::string_view file_name_of(std::string_view path);

}  // namespace wfpack
