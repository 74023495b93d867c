// What a table body stores, rule by rule, with every kernel.
#include "reader/source_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/kernels.h"
#include "support/source_text.h"

namespace wfpack {
namespace {

using namespace std::string_literals;
using namespace testing_support;

struct BodyCase {
  const char* name;
  std::string source;
  std::vector<Span> spans;
  std::vector<std::size_t> used_banks;
};

class TableBody : public testing::TestWithParam<std::tuple<BodyCase, Kernel>> {
};

TEST_P(TableBody, StoresExactlyTheExpectedBytes) {
  const auto& [c, kernel] = GetParam();
  const GpifImage expected = image_of(c.spans, c.used_banks);
  EXPECT_TRUE(scanned(c.source, kernel) == expected) << c.source;
  EXPECT_TRUE(scanned(with_trailing_blanks(c.source), kernel) == expected)
      << "with trailing blanks: " << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TableBody,
    testing::Combine(
        testing::Values(
            BodyCase{"AnywhereOnALine",
                     kWave0 + "{\n0x01, 0x02,0x03 /* 0x04 */\n};\n",
                     {{Table::Wave, 0, {1, 2, 3, 4}}},
                     {0}},
            BodyCase{"CommentWordsAndLabels",
                     kWave0 + "/* LenBr */ 0x0a,0x0B, // box0x0c\n};\n",
                     {{Table::Wave, 0, {0x0A, 0x0B, 0x0C}}},
                     {0}},
            BodyCase{"ClampAndLowByte",
                     kInit + "0x1FF 0x80000000 0x100\n};\n",
                     {{Table::Init, 0, {0xFF, 0xFF, 0x00}}},
                     {}},
            BodyCase{"PrefixWithoutDigitsStoresZero",
                     kInit + "0xg, 0x,0x\n};\n",
                     {{Table::Init, 0, {0, 0, 0}}},
                     {}},
            BodyCase{"UpperCaseXStartsNothing",
                     kInit + "0X12 0x34\n};\n",
                     {{Table::Init, 0, {0x34}}},
                     {}},
            BodyCase{"ValueEndsAtFirstNonDigit",
                     kInit + "0x0x12 00x5 0x12g3\n};\n",
                     {{Table::Init, 0, {0x00, 0x05, 0x12}}},
                     {}},
            BodyCase{"LoneCarriageReturnEndsAValue",
                     kInit + "0x1\r2 0x3\r\n};\n",
                     {{Table::Init, 0, {0x01, 0x03}}},
                     {}},
            BodyCase{
                "HeaderLineValuesAreNotCollected",
                "const char xdata InitData[7] = { 0x01, 0x02 };\n0x03\n};\n"
                "0x09\n",
                {{Table::Init, 0, {0x03}}},
                {}},
            BodyCase{"WaveBankSelector",
                     "const char xdata WaveData3[128] =\n0x11\n};\n",
                     {{Table::Wave, 3 * 128, {0x11}}},
                     {3}},
            BodyCase{"ZeroSelectsBankZeroToo",
                     "const char xdata WaveData0[128] =\n0x11\n};\n",
                     {{Table::Wave, 0, {0x11}}},
                     {0}},
            BodyCase{"FlowBankSelectorSetsNoFlag",
                     "const char xdata FlowStates3[36] =\n0x22\n};\n",
                     {{Table::Flow, 3 * 36, {0x22}}},
                     {}},
            BodyCase{"RunsOnIntoTheNextBank",
                     kWave0 + values(130) + "};\n",
                     {{Table::Wave, 0, counting(130)}},
                     {0}},
            BodyCase{"InitDataDropsValuesPastItsEnd",
                     kInit + values(9) + "};\n" + kWave0 + "};\n",
                     {{Table::Init, 0, counting(7)}},
                     {0}},
            BodyCase{
                "LastWaveBankDropsValuesPastItsEnd",
                "const char xdata WaveData7[128] =\n" + values(140) + "};\n",
                {{Table::Wave, 7 * 128, counting(128)}},
                {7}},
            BodyCase{
                "LastFlowBankDropsValuesPastItsEnd",
                "const char xdata FlowStates7[36] =\n" + values(40) + "};\n",
                {{Table::Flow, 7 * 36, counting(36)}},
                {}},
            BodyCase{"ReopenedBankStartsAgain",
                     kWave0 + "0x01 0x02\n};\n" + kWave0 + "0x09\n};\n",
                     {{Table::Wave, 0, {0x09, 0x02}}},
                     {0}},
            BodyCase{"OnlyAnUnindentedCloseEndsABody",
                     kInit + " };\n0x01\n}\n0x02\n}; 0x03\n0x04\n",
                     {{Table::Init, 0, {0x01, 0x02}}},
                     {}},
            BodyCase{"UnterminatedBodyTakesTheRestOfTheFile",
                     kInit + "0x01\n  IFCONFIG = 0x12\n" + kWave0 + "0x03",
                     {{Table::Init, 0, {0x01, 0x12, 0x03}}},
                     {}},
            BodyCase{"BadSelectorStoresNothing",
                     "const char xdata WaveData9[128] =\n0x01\n};\n" + kInit +
                         "0x05\n};\n",
                     {{Table::Init, 0, {0x05}}},
                     {}},
            BodyCase{
                "MissingSelectorStoresNothing",
                "const char xdata WaveData\n0x01\n};\n" + kInit + "0x05\n};\n",
                {{Table::Init, 0, {0x05}}},
                {}},
            BodyCase{"NulHidesTheRestOfItsLine",
                     kInit + "0x01\0 0x02\n0x3\0\n};\n"s,
                     {{Table::Init, 0, {0x01, 0x03}}},
                     {}},
            BodyCase{"EndOfInputByte",
                     kInit + "0x01\n\x1a\n0x02\n};\n" + kWave0 + "0x03\n};\n",
                     {{Table::Init, 0, {0x01}}},
                     {}},
            BodyCase{"LastLineWithoutLineFeed",
                     kInit + "0x01, 0x2",
                     {{Table::Init, 0, {0x01, 0x02}}},
                     {}},
            BodyCase{"HeaderInsideABodyIsJustALine",
                     kWave0 + "const char xdata WaveData3[128] =\n0x01\n};\n",
                     {{Table::Wave, 0, {0x01}}},
                     {0}},
            // Each case below once caught a fault that only random sources
            // had shown.
            BodyCase{"LoneCarriageReturnBeforeAClose",
                     kInit + "0x01\r};\n0x02\n};\n0x03\n",
                     {{Table::Init, 0, {0x01, 0x02}}},
                     {}},
            BodyCase{"UpperCaseXInsideARun",
                     kInit + "0x12,0X34,0x56,0x78\n};\n",
                     {{Table::Init, 0, {0x12, 0x56, 0x78}}},
                     {}},
            BodyCase{"NulRightAfterAValue",
                     kInit + "0x01\0"
                             "0x02,0x03\n0x04\n};\n"s,
                     {{Table::Init, 0, {0x01, 0x04}}},
                     {}},
            BodyCase{"OverflowOf32BitsInARun",
                     kInit + "0x01,0x100000001,0x100000000,0x02\n};\n",
                     {{Table::Init, 0, {0x01, 0xFF, 0xFF, 0x02}}},
                     {}},
            BodyCase{"HeaderInsideABodyWithoutSelector",
                     "const char xdata WaveData\n" + kWave0 + "0x01\n};\n" +
                         kInit + "0x05\n};\n",
                     {{Table::Init, 0, {0x05}}},
                     {}},
            BodyCase{"BlankAsSelector",
                     "const char xdata WaveData [128] =\n0x01\n};\n" + kInit +
                         "0x05\n};\n",
                     {{Table::Init, 0, {0x05}}},
                     {}},
            BodyCase{"BodyEndsRightAfterTheTableIsFull",
                     kInit + "0x01,0x02,0x03,0x04,0x05,0x06,0x07\n};\n" +
                         kWave0 + "0x09\n};\n",
                     {{Table::Init, 0, counting(7)}, {Table::Wave, 0, {0x09}}},
                     {0}},
            BodyCase{"IndentedCloseAfterTheFirstLine",
                     kInit + "0x01\n };\n0x02\n\t};\n0x03\n};\n0x04\n",
                     {{Table::Init, 0, {0x01, 0x02, 0x03}}},
                     {}},
            BodyCase{"LastBankOverrunOnTheLineThatFillsIt",
                     "const char xdata WaveData7[128] =\n" + values(130, 1, 7) +
                         "};\n" + kInit + "0x05\n};\n",
                     {{Table::Wave, 7 * 128, counting(128)},
                      {Table::Init, 0, {0x05}}},
                     {7}},
            BodyCase{
                "FullTableWhoseBodyNeverEnds",
                kInit + values(20) + kWave0 + values(20) + "  IFCONFIG = 1\n",
                {{Table::Init, 0, counting(7)}},
                {}}),
        every_kernel()),
    case_and_kernel_name<BodyCase>);

}  // namespace
}  // namespace wfpack
