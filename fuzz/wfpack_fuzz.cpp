// libFuzzer entry: every input is a source file converted in memory.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "conversion_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  // Every kernel this processor runs, against the same model.
  wfpack::check_conversion_invariants(
      std::string_view(reinterpret_cast<const char*>(data), size),
      wfpack::usable_kernels());
  return 0;
}
