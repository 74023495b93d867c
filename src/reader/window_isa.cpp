#include "reader/window_isa.h"

namespace wfpack {

#ifdef WFPACK_AVX2
bool cpu_has_avx2() {
  // Also false where the system does not save the AVX registers.
  static const bool has =
      __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
      __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
  return has;
}
#endif

}  // namespace wfpack
