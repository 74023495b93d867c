#include "app/base_name.h"

#include <gtest/gtest.h>

#include <string>

namespace wfpack {
namespace {

// Each path as the two systems read it: the base name the outputs are
// named after, and that base name's file name, which names the array.
struct PathCase {
  const char* source;
  const char* posix_base;
  const char* posix_file_name;
  const char* windows_base;
  const char* windows_file_name;
};

const PathCase kPathCases[] = {
    {"gpif.c", "gpif", "gpif", "gpif", "gpif"},
    {"my.gpif.c", "my", "my", "my", "my"},
    {"gpif", "gpif", "gpif", "gpif", "gpif"},
    {".c", "", "", "", ""},
    {"", "", "", "", ""},
    {"work/gpif.c", "work/gpif", "gpif", "work/gpif", "gpif"},
    {"../gpif.c", "../gpif", "gpif", "../gpif", "gpif"},
    {"./gpif.c", "./gpif", "gpif", "./gpif", "gpif"},
    {"proj.v2/gpif.c", "proj.v2/gpif", "gpif", "proj.v2/gpif", "gpif"},
    {"proj.v2/gpif", "proj.v2/gpif", "gpif", "proj.v2/gpif", "gpif"},
    {"work/.c", "work/", "", "work/", ""},
    {"/abs.dir/sub/gpif.tmp.c", "/abs.dir/sub/gpif", "gpif",
     "/abs.dir/sub/gpif", "gpif"},
    // A backslash is a character of the name on POSIX systems, a separator
    // on Windows.
    {"sub\\gpif.c", "sub\\gpif", "sub\\gpif", "sub\\gpif", "gpif"},
    {".\\gpif.c", "", "", ".\\gpif", "gpif"},
    {"..\\work\\gpif.c", "", "", "..\\work\\gpif", "gpif"},
    {"proj.v2\\gpif.c", "proj", "proj", "proj.v2\\gpif", "gpif"},
    {"work\\.c", "work\\", "work\\", "work\\", ""},
    // A drive prefix ends the directory part, with or without a separator.
    {"C:gpif.c", "C:gpif", "C:gpif", "C:gpif", "gpif"},
    {"c:my.gpif.c", "c:my", "c:my", "c:my", "my"},
    {"C:\\work\\gpif.c", "C:\\work\\gpif", "C:\\work\\gpif", "C:\\work\\gpif",
     "gpif"},
    {"C:/work.v2/gpif.c", "C:/work.v2/gpif", "gpif", "C:/work.v2/gpif", "gpif"},
    {"C:", "C:", "C:", "C:", ""},
    // Only a letter and a colon at the very start make a drive.
    {"1:gpif.c", "1:gpif", "1:gpif", "1:gpif", "1:gpif"},
    {"ab:gpif.c", "ab:gpif", "ab:gpif", "ab:gpif", "ab:gpif"},
    {"\\\\server\\share\\gpif.c", "\\\\server\\share\\gpif",
     "\\\\server\\share\\gpif", "\\\\server\\share\\gpif", "gpif"},
    {"//server/share.v2/gpif.c", "//server/share.v2/gpif", "gpif",
     "//server/share.v2/gpif", "gpif"},
    // Mixed separators: the last of either kind counts on Windows.
    {"a.b/c.d\\gpif.c", "a.b/c", "c", "a.b/c.d\\gpif", "gpif"},
    {"a.b\\c.d/gpif.c", "a.b\\c.d/gpif", "gpif", "a.b\\c.d/gpif", "gpif"},
    {"C:\\proj.v2/sub\\gpif.x.c", "C:\\proj.v2/sub\\gpif", "sub\\gpif",
     "C:\\proj.v2/sub\\gpif", "gpif"},
};

TEST(BaseName, CutsTheFileNameAtItsFirstPeriod) {
  for (const PathCase& c : kPathCases) {
    EXPECT_EQ(base_name(c.source, PathRules::Posix), c.posix_base) << c.source;
    EXPECT_EQ(base_name(c.source, PathRules::Windows), c.windows_base)
        << c.source;
  }
}

TEST(FileNameOf, LeavesTheDirectoryPartOff) {
  for (const PathCase& c : kPathCases) {
    EXPECT_EQ(file_name_of(c.posix_base, PathRules::Posix), c.posix_file_name)
        << c.source;
    EXPECT_EQ(file_name_of(c.windows_base, PathRules::Windows),
              c.windows_file_name)
        << c.source;
  }
}

TEST(PathRules, NativeRulesAreThoseOfTheHost) {
#ifdef _WIN32
  EXPECT_EQ(base_name("proj.v2\\gpif.c"), "proj.v2\\gpif");
  EXPECT_EQ(file_name_of("C:gpif"), "gpif");
#else
  EXPECT_EQ(base_name("proj.v2\\gpif.c"), "proj");
  EXPECT_EQ(file_name_of("C:gpif"), "C:gpif");
#endif
}

TEST(BaseName, KeepsNamesOfAnyLength) {
  const std::string stem(5000, 'a');
  for (const PathRules rules : {PathRules::Posix, PathRules::Windows}) {
    EXPECT_EQ(base_name(stem + ".c", rules), stem);
  }
  EXPECT_EQ(base_name("d.x\\" + stem + ".c", PathRules::Windows),
            "d.x\\" + stem);
}

}  // namespace
}  // namespace wfpack
