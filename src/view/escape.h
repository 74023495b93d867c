// Text from the source, such as the names its names block gives, made safe
// for the documents the views write: XML text and attributes, and JSON
// strings. A source may hold bytes that are not UTF-8; each such byte
// becomes U+FFFD, as control characters do, so that every document is
// well-formed whatever the source holds.
#pragma once

#include <string>
#include <string_view>

namespace wfpack::view {

void append_xml(std::string& out, std::string_view text);
// With the quotes around it.
void append_json(std::string& out, std::string_view text);

}  // namespace wfpack::view
