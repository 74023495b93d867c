#include "app/base_name.h"

#include <gtest/gtest.h>

#include <string>

namespace wfpack {
namespace {

TEST(BaseName, CutsTheFileNameAtItsFirstPeriod) {
  struct Case {
    const char* source;
    const char* base;
  };
  for (const Case& c : {
           Case{"gpif.c", "gpif"},
           Case{"my.gpif.c", "my"},
           Case{"work/gpif.c", "work/gpif"},
           Case{"../gpif.c", "../gpif"},
           Case{"./gpif.c", "./gpif"},
           Case{"proj.v2/gpif.c", "proj.v2/gpif"},
           Case{"/abs.dir/sub/gpif.tmp.c", "/abs.dir/sub/gpif"},
           Case{"gpif", "gpif"},
           Case{"proj.v2/gpif", "proj.v2/gpif"},
           Case{".c", ""},
           Case{"work/.c", "work/"},
           Case{"", ""},
       }) {
    EXPECT_EQ(base_name(c.source), c.base) << c.source;
  }
}

TEST(FileNameOf, LeavesTheDirectoryPartOff) {
  struct Case {
    const char* path;
    const char* file_name;
  };
  for (const Case& c :
       {Case{"gpif", "gpif"}, Case{"work/gpif", "gpif"},
        Case{"../gpif", "gpif"}, Case{"proj.v2/gpif", "gpif"},
        Case{"/abs/dir/g", "g"}, Case{"work/", ""}, Case{"", ""}}) {
    EXPECT_EQ(file_name_of(c.path), c.file_name) << c.path;
  }
}

TEST(BaseName, KeepsNamesOfAnyLength) {
  const std::string stem(5000, 'a');
  EXPECT_EQ(base_name(stem + ".c"), stem);
}

}  // namespace
}  // namespace wfpack
