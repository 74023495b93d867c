#include "writers/layout_header_file.h"

#include <gtest/gtest.h>

namespace wfpack {
namespace {

// What the compile checks of banks 2 and 5 do not see.
TEST(LayoutHeader, KeepsAnyNameInItsCommentAndTellsEveryBank) {
  GpifImage image;
  image.BankUsed.fill(true);
  const std::string text = render_layout_header(image, "x_dat", "", "a*/\n.c");
  EXPECT_TRUE(
      text.starts_with("/* x_dat: the GPIF image that wfpack made "
                       "from a_/_.c. Do not edit. */\r\n"));
  EXPECT_NE(text.find("\n#define X_DAT_BANKS 0xff\r\n"), std::string::npos);
}

}  // namespace
}  // namespace wfpack
