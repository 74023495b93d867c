#include "app/update_run.h"

#include "app/file_failure.h"
#include "app/run.h"
#include "app/warning_report.h"
#include "platform/native_file.h"
#include "platform/replace_file.h"
#include "reader/source_file.h"

namespace wfpack {

namespace {

void report(TextOut& diagnostics, std::string_view source_name,
            const Message& message, bool warnings_as_errors) {
  constexpr std::string_view kTags[] = {": note: ", ": warning: ", ": error: "};
  Message::Kind kind = message.kind;
  if (kind == Message::Kind::Warning && warnings_as_errors) {
    kind = Message::Kind::Error;
  }
  diagnostics << source_name;
  if (message.line != 0) diagnostics << ':' << message.line;
  if (message.column != 0) diagnostics << ':' << message.column;
  diagnostics << kTags[static_cast<std::size_t>(kind)] << message.text << '\n';
}

}  // namespace

int update_source_file(const CommandLine& line, std::string_view source_name,
                       TextOut& console, TextOut& diagnostics) {
  std::string text;
  std::FILE* source = platform::open_file(source_name, "rb");
  const bool read = source != nullptr && read_whole_file(source, text);
  const platform::Failure failure = platform::last_failure();
  if (source != nullptr) std::fclose(source);
  if (!read) {
    const std::string_view action =
        source == nullptr || is_directory(source_name) ? "open" : "read";
    report(console, action, source_name);
    explain(diagnostics, action, source_name, failure);
    return kExitFailure;
  }
  GpifImage image;
  Descriptions descriptions;
  // What the update changes is what the description warnings would say.
  SourceWarnings warnings(false);
  scan_source_text(text, image, descriptions, warnings);
  // -w silences the warnings, as for a conversion; the notes and errors of
  // the update itself still show.
  const bool as_errors = line.warnings_as_errors && !line.no_warnings;
  if (!line.no_warnings) {
    report_warnings(diagnostics, source_name, warnings, as_errors);
  }
  const UpdateResult result =
      update_source(text, image, descriptions, line.update_kind);
  bool failed = result.failed || (as_errors && !warnings.shown().empty());
  for (const Message& message : result.messages) {
    const bool warning = message.kind == Message::Kind::Warning;
    if (warning && line.no_warnings) continue;
    report(diagnostics, source_name, message, as_errors);
    failed = failed || (as_errors && warning);
  }
  if (failed) return kExitWarningsAsErrors;
  if (!result.changed || line.dry_run) return kExitSuccess;
  // Nothing is written where nothing changes, so that a build does not
  // take the source for a new one.
  if (const std::string reason =
          platform::replace_file(source_name, result.text);
      !reason.empty()) {
    diagnostics << "wfpack: cannot update '" << source_name << "': " << reason
                << '\n';
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace wfpack
