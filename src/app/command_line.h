// The command line: options, and the source name.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "update/update.h"
#include "view/view.h"

namespace wfpack {

struct CommandLine {
  bool help = false;
  bool version = false;
  bool quiet = false;                // no banner
  bool warnings_as_errors = false;   // a warning fails the run
  bool no_warnings = false;          // -w: none is reported, none fails
  bool compare_descriptions = true;  // -Wdescription, -Wno-description
  // --show: print the waveforms in this form, and write no file.
  bool show = false;
  ViewFormat show_format = ViewFormat::Text;
  std::string_view output_dir;  // empty: beside the source
  bool header = false;          // also the layout header
  bool loader = false;          // also the loader file, and the header
  std::string_view storage;     // the array's storage class, if any
  // --update: rewrite the source's tables or its description so that the
  // two agree, and write no file; with --dry-run, say what would change.
  bool update = false;
  UpdateKind update_kind = UpdateKind::Tables;
  bool dry_run = false;
  // The arguments that are no options, and all from "--" on.
  std::vector<std::string_view> names;
  // What is wrong with an option, if anything is; nothing else is set then.
  std::string error;
};

// args is the argument vector, program name first.
CommandLine parse_command_line(std::span<const char* const> args);

// The lines --help adds after the usage text, one for each option.
extern const std::string_view kOptionsHelp;

}  // namespace wfpack
