#include "writers/loader_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "writers/layout_header_file.h"

// What the loader does runs in the simulator; these are its texts that vary
// with the array's name and the banks, and its order of writes.
namespace wfpack {
namespace {

TEST(LoaderFile, TextFollowsTheNameAndTheBanks) {
  struct Case {
    const char* array;
    std::initializer_list<std::size_t> banks;
    const char* text;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"_1st_rev_dat", {3}, "#include \"1st-rev_dat.h\"\r\n"},
           {"_1st_rev_dat",
            {3},
            "\tIFCONFIG = _1st_rev_dat[_1ST_REV_DAT_IFCONFIG];\r\n"
            "\tGPIFABORT = 0xFF;\r\n"
            "\tGPIFREADYCFG = _1st_rev_dat[_1ST_REV_DAT_INITDATA + 0];\r\n"
            "\tGPIFCTLCFG = _1st_rev_dat[_1ST_REV_DAT_INITDATA + 1];\r\n"
            "\tGPIFIDLECS = _1st_rev_dat[_1ST_REV_DAT_INITDATA + 2];\r\n"
            "\tGPIFIDLECTL = _1st_rev_dat[_1ST_REV_DAT_INITDATA + 3];\r\n"
            "\tGPIFWFSELECT = _1st_rev_dat[_1ST_REV_DAT_INITDATA + 5];\r\n"
            "\tGPIFREADYSTAT = _1st_rev_dat[_1ST_REV_DAT_INITDATA + 6];\r\n"
            "\tfor (i = 0; i < _1ST_REV_DAT_WAVEDATA_SIZE; ++i)\r\n"},
           {"g_dat", {}, "\tswitch (bank) {\r\n\t}\r\n"},
           {"g_dat",
            {0, 7},
            "\tswitch (bank) {\r\n"
            "\tcase 0: return G_DAT_BANK0_FLOWSTATES;\r\n"
            "\tcase 7: return G_DAT_BANK7_FLOWSTATES;\r\n\t}"}}) {
    GpifImage image;
    for (std::size_t bank : c.banks) image.BankUsed[bank] = true;
    const std::string text = render_loader(image, c.array, "1st-rev_dat.h");
    EXPECT_NE(text.find(c.text), std::string::npos) << c.text;
    EXPECT_EQ(std::ranges::count(text, '\n'), std::ranges::count(text, '\r'));
  }
  EXPECT_EQ(loader_file_name("b.v2/1st-rev"), "b.v2/1st-rev_load.c");
}

// With any storage class, the header declares the functions only with the
// loader, after its macros.
TEST(LoaderFile, HeaderDeclaresItsFunctions) {
  for (const char* storage : {"", "const", "__code", "code", "xdata"}) {
    std::string plain = render_layout_header({}, "g_dat", storage, "g.c");
    const std::string with = render_layout_header({}, "g_dat", storage, "g.c",
                                                  /*loader=*/true);
    EXPECT_EQ(with, plain.insert(plain.rfind("#endif"),
                                 loader_declarations("g_dat") + "\r\n"));
    EXPECT_TRUE(
        with.ends_with("*/\r\nunsigned char g_dat_load(unsigned char bank);\r\n"
                       "unsigned char g_dat_load_flowstate(unsigned char bank, "
                       "unsigned char waveform);\r\n\r\n#endif\r\n"));
  }
}

}  // namespace
}  // namespace wfpack
