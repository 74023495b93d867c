#include "platform/native_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/scratch_dir.h"
#include "support/unicode_names.h"

namespace wfpack::platform {
namespace {

namespace fs = std::filesystem;
using testing_support::kUnicodeNames;
using testing_support::UnicodeName;
using testing_support::utf8;

class NativeFile : public testing::Test {
 protected:
  // A UTF-8 name inside the scratch directory, as the program receives it.
  std::string name_in_dir(const std::string& name) const {
    return utf8(dir_.path().u8string()) + "/" + name;
  }
  testing_support::ScratchDir dir_;
};

TEST_F(NativeFile, UnicodeNamesOpenAsTheFileSystemNamesThem) {
  for (const UnicodeName& name : kUnicodeNames) {
    const std::string file = name_in_dir(name.stem + ".c");
    std::FILE* out = open_file(file, "wb");
    ASSERT_NE(out, nullptr) << name.script;
    EXPECT_EQ(std::fwrite("data", 1, 4, out), 4u) << name.script;
    EXPECT_EQ(std::fclose(out), 0);

    // The standard library's own reading of the UTF-8 name finds the file.
    const std::u8string stem(name.stem.begin(), name.stem.end());
    EXPECT_EQ(fs::file_size(dir_.path() / (stem + u8".c")), 4u) << name.script;
    EXPECT_EQ(native_path(file), dir_.path() / (stem + u8".c"));

    std::FILE* in = open_file(file, "rb");
    ASSERT_NE(in, nullptr) << name.script;
    char buffer[8] = {};
    EXPECT_EQ(std::fread(buffer, 1, sizeof buffer, in), 4u);
    std::fclose(in);
    EXPECT_STREQ(buffer, "data");
  }
}

TEST_F(NativeFile, MissingNameDoesNotOpen) {
  EXPECT_EQ(open_file(name_in_dir(utf8(u8"нет.c")), "rb"), nullptr);
}

#ifdef _WIN32
TEST(WideText, ConvertsBothWays) {
  struct Case {
    const wchar_t* wide;
    std::string utf8;
  };
  for (const Case& c : {
           Case{L"", ""},
           Case{L"gpif.c", "gpif.c"},
           Case{L"C:\\Users\\\u0418\u0432\u0430\u043d\\gpif.c",
                utf8(u8"C:\\Users\\Иван\\gpif.c")},
           Case{L"\u6ce2\u5f62.c", utf8(u8"波形.c")},
           Case{L"\u00e9", utf8(u8"é")},
           // Beyond the basic plane: a surrogate pair, four UTF-8 bytes.
           Case{L"\U0001D11E", utf8(u8"\U0001D11E")},
       }) {
    EXPECT_EQ(utf8_from_wide(c.wide), c.utf8);
    EXPECT_EQ(wide_from_utf8(c.utf8), c.wide);
  }
}

TEST(WideText, ArgumentsArriveAsUtf8) {
  wchar_t program[] = L"wfpack.exe";
  wchar_t source[] = L"\u6ce2\u5f62.c";
  wchar_t* argv[] = {program, source};
  EXPECT_EQ(utf8_arguments(2, argv),
            (std::vector<std::string>{"wfpack.exe", utf8(u8"波形.c")}));
}
#endif

}  // namespace
}  // namespace wfpack::platform
