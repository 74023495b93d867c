// Writes a file anew without ever leaving it half written: the new text
// goes to a temporary file in the same folder, is flushed to disk, and is
// renamed over the file, which the system does at once. A symbolic link is
// followed and the file it names is replaced; the file keeps its
// permissions.
#pragma once

#include <string>
#include <string_view>

namespace wfpack::platform {

// Empty on success; otherwise why, in the system's words, and the file is
// as it was, with no temporary file left. A file whose permission bits
// forbid its owner to write it is refused, whoever asks.
std::string replace_file(std::string_view name, std::string_view text);

}  // namespace wfpack::platform
