// The lines between table bodies: the IFCONFIG line, exactly as the design
// tool writes it, and nothing else.
#include <gtest/gtest.h>

#include <string>

#include "reader/source_scanner.h"
#include "support/kernels.h"
#include "support/source_text.h"

namespace wfpack {
namespace {

using namespace std::string_literals;
using namespace testing_support;

struct IfconfigCase {
  std::string source;
  std::uint8_t expected;
};

class IfconfigLine : public testing::TestWithParam<Kernel> {};

TEST_P(IfconfigLine, SetsIfConfigOnlyFromTheDesignToolsLine) {
  for (const IfconfigCase& c :
       {IfconfigCase{"  IFCONFIG = 0xEE;\n", 0xEE},
        IfconfigCase{"  IFCONFIG = EE\n", 0xEE},
        IfconfigCase{"  IFCONFIG = 238\n", 0x38},
        IfconfigCase{"  IFCONFIG = -1\n", 0xFF},
        IfconfigCase{"  IFCONFIG = ;\n", 0x00},
        IfconfigCase{"  IFCONFIG =0x5A", 0x5A},
        IfconfigCase{"  IFCONFIG = 0x80000000;\n", 0xFF},
        IfconfigCase{"  IFCONFIG = 0x12;\r\n", 0x12},
        IfconfigCase{"  IFCONFIG =\r0x34\n", 0x34},
        IfconfigCase{"  IFCONFIG = 0x12;\n  IFCONFIG = 0x34;\n", 0x34},
        // The value never runs on into the next line.
        IfconfigCase{"  IFCONFIG =\n0x12\n", 0x00},
        IfconfigCase{"  IFCONFIG = 0x1\0"
                     "2\n"s,
                     0x01},
        // Only the exact indentation counts.
        IfconfigCase{" IFCONFIG = 0x12;\n", 0x00},
        IfconfigCase{"\tIFCONFIG = 0x12;\n", 0x00},
        IfconfigCase{"   IFCONFIG = 0x12;\n", 0x00},
        IfconfigCase{"  IFCONFIG= 0x12;\n", 0x00},
        IfconfigCase{"  IFCONFIG |= 0x12;\n", 0x00},
        // Inside a table body it is just another line of values.
        IfconfigCase{kInit + "  IFCONFIG = 0x12;\n};\n", 0x00}}) {
    EXPECT_EQ(scanned(c.source, GetParam()).IfConfig, c.expected) << c.source;
  }
}

INSTANTIATE_TEST_SUITE_P(Kernels, IfconfigLine, every_kernel(),
                         kernel_test_name);

}  // namespace
}  // namespace wfpack
