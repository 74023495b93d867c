#pragma once

#include <span>
#include <string_view>

#include "engine/value_engine.h"

namespace wfpack {

// Converts input in memory through the program's own scanner, with each of
// the given kernels reading table bodies, and its writers, and aborts, naming
// the rule, if anything that must hold for every source does not: the image
// equals that of a plain model of the format, and the image and the warnings
// are those of the portable kernel, whatever chunks the input arrives in;
// the warnings are in source order and held back only past their cap; the
// image and the C array text have exactly the sizes their formats give, and
// the text reads back as the image. Both updates hold to their rules too
// (check_update_invariants).
void check_conversion_invariants(std::string_view input,
                                 std::span<const Kernel> kernels);

// Updates input in memory, each way, and aborts if an update that fails
// changes anything; if, after a successful one, the description check
// still finds a cell to warn about (but for those the update said it left);
// if updating the tables changes a line of a description, or updating the
// description changes any other line or the image; or if a second update
// changes anything.
void check_update_invariants(std::string_view input);

}  // namespace wfpack
