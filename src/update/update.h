// Brings a source's tables and the design tool's description of them into
// line, in memory: the tables rewritten as the description says them, or
// the description as the tables say it. Every other byte of the source
// stays as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "description/descriptions.h"
#include "description/messages.h"
#include "image/gpif_image.h"

namespace wfpack {

enum class UpdateKind : std::uint8_t { Tables, Description };

struct UpdateResult {
  // A note for each cell changed, at the line changed, and the warnings and
  // errors, in source order.
  std::vector<Message> messages;
  bool failed = false;   // an error: nothing is to be written
  bool changed = false;  // text differs from the source
  std::string text;
};

// source is the whole source, whose reading gave image and descriptions.
UpdateResult update_source(std::string_view source, const GpifImage& image,
                           const Descriptions& descriptions, UpdateKind kind);

}  // namespace wfpack
