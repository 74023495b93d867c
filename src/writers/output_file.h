#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/native_file.h"

namespace wfpack {

enum class OutputStatus : std::uint8_t { Written, OpenFailed, WriteFailed };

// Creates or truncates the file at path and writes data to it unchanged.
// Every write, the flush and the close are checked: a file that could not be
// written completely is removed again, so that a firmware build never picks
// up a truncated image. When it fails, failure (if given) receives the
// system's reason.
OutputStatus write_output_file(const std::string& path,
                               std::span<const char> data,
                               platform::Failure* failure = nullptr);

// Removes the output file at path, if it is a regular file; where path is
// a link, the file it leads to goes, and a device stays untouched.
void remove_output_file(const std::string& path);

// Removes what an earlier run wrote at path, if it is a regular file: a
// link, and what it leads to, stay, as they are none of this run's.
void remove_earlier_output(const std::string& path);

}  // namespace wfpack
