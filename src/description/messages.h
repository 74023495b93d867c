// What bringing a source's tables and their description into line says,
// at the place in the source it is about.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace wfpack {

struct Message {
  enum class Kind : std::uint8_t { Note, Warning, Error };
  Kind kind = Kind::Note;
  std::size_t line = 0;
  std::size_t column = 0;  // from 1; 0 where the whole line is meant
  std::string text;
};

}  // namespace wfpack
