// What every run prints, as tests expect it byte for byte.
#pragma once

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/native_file.h"

namespace wfpack::testing_support {

// The system's words for a missing file and folder, and for a file that may
// not be written; Windows numbers them 2, 3 and 5.
#ifdef _WIN32
inline const std::string kNoFile = platform::failure_text({ENOENT, 2});
inline const std::string kNoFolder = platform::failure_text({ENOENT, 3});
inline const std::string kNoWrite = platform::failure_text({EACCES, 5});
#else
inline const std::string kNoFile = std::strerror(ENOENT);
inline const std::string kNoFolder = kNoFile;
inline const std::string kNoWrite = std::strerror(EACCES);
#endif

inline const std::string kBanner =
    "*********** Tabulon V1.0 by ZENOWARE(zenoware.example) **********\n";
inline const std::string kUsage =
    "USAGE: wfpack gpif.c\n"
    "       --> create gpif_dat.c & gpif_dat.bin file.\n";

}  // namespace wfpack::testing_support
