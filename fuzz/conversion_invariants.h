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
// the text reads back as the image.
void check_conversion_invariants(std::string_view input,
                                 std::span<const Kernel> kernels);

}  // namespace wfpack
