// What every run prints, as tests expect it byte for byte.
#pragma once

#include <string>

namespace wfpack::testing_support {

inline const std::string kBanner =
    "*********** Tabulon V1.0 by ZENOWARE(zenoware.example) **********\n";
inline const std::string kUsage =
    "USAGE: wfpack gpif.c\n"
    "       --> create gpif_dat.c & gpif_dat.bin file.\n";

}  // namespace wfpack::testing_support
