// What every run prints, as tests expect it byte for byte.
#pragma once

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/native_file.h"

namespace wfpack::testing_support {

// The system's words for a missing file and folder; Windows numbers them 2, 3.
#ifdef _WIN32
inline const std::string kNoFile = platform::failure_text({ENOENT, 2});
inline const std::string kNoFolder = platform::failure_text({ENOENT, 3});
#else
inline const std::string kNoFile = std::strerror(ENOENT);
inline const std::string kNoFolder = kNoFile;
#endif

inline const std::string kBanner =
    "*********** Tabulon V1.0 by ZENOWARE(zenoware.example) **********\n";
inline const std::string kUsage =
    "USAGE: wfpack gpif.c\n"
    "       --> create gpif_dat.c & gpif_dat.bin file.\n";

}  // namespace wfpack::testing_support
