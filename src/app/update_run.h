#pragma once

#include <string_view>

#include "app/command_line.h"
#include "app/text_out.h"

namespace wfpack {

// Brings the source's tables and their description into line, as the
// command line asks: says each change on diagnostics, and writes the
// source anew unless nothing changes or it is a dry run. Returns the exit
// status.
int update_source_file(const CommandLine& line, std::string_view source_name,
                       TextOut& console, TextOut& diagnostics);

}  // namespace wfpack
