// The one place that chooses a kernel: the search is built once for each
// kernel this build has, and each call runs the one its caller names.
#include <array>

#include "engine/kernel_avx2.h"
#include "engine/kernel_portable.h"
#include "engine/kernel_sse2.h"
#include "engine/search.h"

namespace wfpack {

namespace engine {
namespace {

#ifdef WFPACK_KERNEL_AVX2
// The whole search inlined into one function built for AVX2.
[[gnu::flatten]] WFPACK_TARGET_AVX2 const char* search_avx2(const char* p,
                                                            const char* end,
                                                            ValueRun& run) {
  return search_values<Avx2Kernel>(p, end, run);
}
#endif

}  // namespace

#ifdef WFPACK_KERNEL_AVX2
bool cpu_has_avx2() {
  // Also false where the system does not save the AVX registers.
  static const bool has =
      __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
      __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
  return has;
}
#endif

}  // namespace engine

std::span<const Kernel> usable_kernels() {
  static const auto kernels = [] {
    std::array<Kernel, 3> list{Kernel::Portable};
    std::size_t count = 1;
#ifdef WFPACK_KERNEL_SSE2
    list[count++] = Kernel::Sse2;
#endif
#ifdef WFPACK_KERNEL_AVX2
    if (engine::cpu_has_avx2()) list[count++] = Kernel::Avx2;
#endif
    return std::pair{list, count};
  }();
  return {kernels.first.data(), kernels.second};
}

const char* next_value_stop(const char* p, const char* end) {
  return engine::next_stop(p, end);
}

const char* read_values(Kernel kernel, const char* p, const char* end,
                        ValueRun& run) {
  switch (kernel) {
#ifdef WFPACK_KERNEL_AVX2
    case Kernel::Avx2:
      return engine::search_avx2(p, end, run);
#endif
#ifdef WFPACK_KERNEL_SSE2
    case Kernel::Sse2:
      return engine::search_values<engine::Sse2Kernel>(p, end, run);
#endif
    default:
      return engine::search_values<engine::PortableKernel>(p, end, run);
  }
}

}  // namespace wfpack
