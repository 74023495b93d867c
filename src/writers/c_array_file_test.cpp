#include "writers/c_array_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace wfpack {
namespace {

GpifImage sample_image(std::initializer_list<std::size_t> banks) {
  GpifImage image;
  image.IfConfig = 0x0E;
  image.InitData = {0xA0, 0x00, 0x00, 0x00, 0xEE, 0x4E, 0x00};
  for (std::size_t i = 0; i < image.WaveData.size(); ++i) {
    image.WaveData[i] = static_cast<std::uint8_t>(i * 7);
  }
  for (std::size_t i = 0; i < image.FlowStates.size(); ++i) {
    image.FlowStates[i] = static_cast<std::uint8_t>(0xFF - i);
  }
  for (std::size_t bank : banks) image.BankUsed[bank] = true;
  return image;
}

// Splits at CR LF; fails the test on a line feed without its CR.
std::vector<std::string> crlf_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string::npos;
       lf = text.find('\n', start)) {
    EXPECT_TRUE(lf > start && text[lf - 1] == '\r') << "bare LF at " << lf;
    lines.push_back(text.substr(start, lf - start - 1));
    start = lf + 1;
  }
  EXPECT_EQ(start, text.size()) << "text after the last line end";
  return lines;
}

std::string bytes_text(const GpifImage& image, std::size_t from,
                       std::size_t count, bool wave) {
  std::string out;
  char byte[8];
  for (std::size_t i = from; i < from + count; ++i) {
    std::snprintf(byte, sizeof byte, "0x%2.2x,",
                  wave ? image.WaveData[i] : image.FlowStates[i]);
    out += byte;
  }
  return out;
}

TEST(CArrayName, IsAValidCIdentifierFromTheFileName) {
  struct Case {
    const char* file_name;
    const char* array_name;
  };
  for (const Case& c : {Case{"gpif", "gpif_dat"},
                        Case{"my-gpif", "my_gpif_dat"}, Case{"1st", "_1st_dat"},
                        Case{"0", "_0_dat"}, Case{"9lives", "_9lives_dat"},
                        Case{"a b+c", "a_b_c_dat"}, Case{"_x9", "_x9_dat"},
                        Case{"gp\xc3\xaf"
                             "f",
                             "gp__f_dat"},
                        Case{"", "_dat"}}) {
    EXPECT_EQ(c_array_name(c.file_name), c.array_name) << c.file_name;
  }
}

TEST(CArrayFile, LaysOutOneBankLineByLine) {
  const GpifImage image = sample_image({2});
  const std::vector<std::string> lines =
      crlf_lines(render_c_array(image, "gpif_dat"));
  ASSERT_EQ(lines.size(), 27u);
  EXPECT_EQ(lines[0], "typedef unsigned char u8;");
  EXPECT_EQ(lines[1], "u8 gpif_dat[]={");
  EXPECT_EQ(lines[2], "\t0x0e,\t//IFCONFIG");
  EXPECT_EQ(lines[3], "\t0xa0,0x00,0x00,0x00,0xee,0x4e,0x00,\t//CTL RDY init");
  EXPECT_EQ(lines[4], "\t// Wave data bank2");
  for (std::size_t row = 0; row < 16; ++row) {
    EXPECT_EQ(lines[5 + row], "\t" + bytes_text(image, 256 + 8 * row, 8, true));
  }
  EXPECT_EQ(lines[21], "\t// Flow data bank2");
  for (std::size_t row = 0; row < 4; ++row) {
    EXPECT_EQ(lines[22 + row],
              "\t" + bytes_text(image, 72 + 9 * row, 9, false));
  }
  EXPECT_EQ(lines[26], "\t};");
}

TEST(CArrayFile, SizeFollowsTheFormats) {
  struct Case {
    std::initializer_list<std::size_t> banks;
    const char* name;
  };
  for (const Case& c : {Case{{}, "gpif_dat"}, Case{{5}, "gpif_dat"},
                        Case{{0, 1, 2, 3, 4, 5, 6, 7}, "gpif_dat"},
                        Case{{3}, "a_very_long_array_name_dat"}}) {
    const GpifImage image = sample_image(c.banks);
    const std::string text = render_c_array(image, c.name);
    const std::size_t base = std::string_view(c.name).size() - 4;
    EXPECT_EQ(text.size(), 117 + base + 922 * c.banks.size());
    EXPECT_EQ(crlf_lines(text).size(), 5 + 22 * c.banks.size());
  }
}

TEST(CArrayFile, WithoutBanksEndsAfterInitData) {
  const std::vector<std::string> lines =
      crlf_lines(render_c_array(sample_image({}), "x_dat"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[4], "\t};");
}

TEST(CArrayFile, HeadsOnlyUsedBanksInAscendingOrder) {
  const std::string text = render_c_array(sample_image({5, 2}), "g_dat");
  std::vector<std::string> headings;
  for (const std::string& line : crlf_lines(text)) {
    if (line.find("// ") != std::string::npos &&
        line.find("data bank") != std::string::npos) {
      headings.push_back(line);
    }
  }
  EXPECT_EQ(headings, (std::vector<std::string>{
                          "\t// Wave data bank2", "\t// Flow data bank2",
                          "\t// Wave data bank5", "\t// Flow data bank5"}));
}

TEST(CArrayFile, ValuesReadBackAsTheImageByteSequence) {
  GpifImage image = sample_image({0, 3, 7});
  image.IfConfig = 0x0A;
  image.WaveData[3 * 128] = 0x0D;
  const std::string text = render_c_array(image, "g_dat");
  std::vector<std::uint8_t> parsed;
  for (std::size_t at = text.find("0x"); at != std::string::npos;
       at = text.find("0x", at + 1)) {
    const std::string digits = text.substr(at + 2, 2);
    EXPECT_EQ(digits.find_first_not_of("0123456789abcdef"), std::string::npos)
        << "at " << at;
    EXPECT_EQ(text[at + 4], ',');
    parsed.push_back(
        static_cast<std::uint8_t>(std::strtoul(digits.c_str(), nullptr, 16)));
  }
  const ImageBytes bytes = image_byte_sequence(image);
  EXPECT_EQ(parsed, std::vector<std::uint8_t>(bytes.view().begin(),
                                              bytes.view().end()));
}

}  // namespace
}  // namespace wfpack
