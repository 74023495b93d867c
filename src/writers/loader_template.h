// The loader file's text, with holes: each @NAME@ is filled with this
// image's array name, macros, banks or registers (see loader_file.cpp), and
// each "\n" ends a line as the C array file does.
#pragma once

#include <array>
#include <string_view>

namespace wfpack::loader_template {

// A register that the image's head is loaded into: its name, its XDATA
// address and what the loader writes to it.
struct Register {
  std::string_view name;
  std::string_view address;
  std::string_view value;
};

// In the order of the design tool's setup code: IFCONFIG first, as the 8051
// reaches the waveform memory only in GPIF mode; GPIFABORT, which stops any
// waveform in progress; then InitData, but for its byte 4, which the setup
// code does not load.
constexpr std::array<Register, 8> kLoadOrder = {{
    {"IFCONFIG", "0xE601", "@ARRAY@[@MACRO@_IFCONFIG]"},
    {"GPIFABORT", "0xE6F5", "0xFF"},
    {"GPIFREADYCFG", "0xE6F3", "@ARRAY@[@MACRO@_INITDATA + 0]"},
    {"GPIFCTLCFG", "0xE6C3", "@ARRAY@[@MACRO@_INITDATA + 1]"},
    {"GPIFIDLECS", "0xE6C1", "@ARRAY@[@MACRO@_INITDATA + 2]"},
    {"GPIFIDLECTL", "0xE6C2", "@ARRAY@[@MACRO@_INITDATA + 3]"},
    {"GPIFWFSELECT", "0xE6C0", "@ARRAY@[@MACRO@_INITDATA + 5]"},
    {"GPIFREADYSTAT", "0xE6F4", "@ARRAY@[@MACRO@_INITDATA + 6]"},
}};

constexpr std::string_view kLoad =
    "unsigned char @ARRAY@_load(unsigned char bank)";
constexpr std::string_view kLoadFlowState =
    "unsigned char @ARRAY@_load_flowstate(unsigned char bank, "
    "unsigned char waveform)";

constexpr std::string_view kDeclarations =
    "/* Defined by wfpack --loader: load IFCONFIG, InitData and a bank's\n"
    "   WaveData, or a waveform's flow state, into the chip. Each returns 0,\n"
    "   or 1 when the image does not hold that bank or waveform. */\n"
    "@LOAD@;\n"
    "@LOAD_FLOWSTATE@;\n";

constexpr std::string_view kLoader =
    "/* Loads the GPIF image @ARRAY@ into the chip: see @HEADER@. Made by\n"
    "   wfpack --loader; do not edit. */\n"
    "#include \"@HEADER@\"\n"
    "\n"
    "/* The chip's registers in XDATA, named for this file alone, so that it\n"
    "   links beside firmware that names them itself. */\n"
    "#if defined __SDCC_mcs51\n"
    "#define GPIF_REGISTER(declarator, address) \\\n"
    "\tstatic volatile __xdata __at(address) unsigned char declarator\n"
    "#elif defined __C51__\n"
    "#define GPIF_REGISTER(declarator, address) \\\n"
    "\tstatic volatile unsigned char xdata declarator _at_ address\n"
    "#else\n"
    "#error \"this loader is for two compilers: sdcc (-mmcs51) and Keil C51\"\n"
    "#endif\n"
    "\n"
    "@REGISTERS@"
    "/* The waveform memory, which holds one bank's WaveData. */\n"
    "GPIF_REGISTER(WAVEFORM_MEMORY[@MACRO@_WAVEDATA_SIZE], 0xE400);\n"
    "/* FLOWSTATE, FLOWLOGIC, FLOWEQ0CTL, FLOWEQ1CTL, FLOWHOLDOFF, FLOWSTB,\n"
    "   FLOWSTBEDGE and FLOWSTBHPERIOD: one waveform's flow state. */\n"
    "GPIF_REGISTER(FLOW_STATE[8], 0xE6C6);\n"
    "\n"
    "/* Where @ARRAY@ holds a bank's tables; 0 for a bank it does not hold. "
    "*/\n"
    "static unsigned int wavedata_of(unsigned char bank)\n"
    "{\n"
    "\tswitch (bank) {\n"
    "@WAVEDATA_CASES@"
    "\t}\n"
    "\treturn 0;\n"
    "}\n"
    "\n"
    "static unsigned int flowstates_of(unsigned char bank)\n"
    "{\n"
    "\tswitch (bank) {\n"
    "@FLOWSTATES_CASES@"
    "\t}\n"
    "\treturn 0;\n"
    "}\n"
    "\n"
    "@LOAD@\n"
    "{\n"
    "\tunsigned int offset = wavedata_of(bank);\n"
    "\tunsigned char i;\n"
    "\n"
    "\tif (offset == 0)\n"
    "\t\treturn 1;\n"
    "\t/* IFCONFIG first: the 8051 reaches the waveform memory only in GPIF\n"
    "\t   mode. GPIFABORT stops any waveform in progress. InitData's byte 4\n"
    "\t   is not loaded. */\n"
    "@WRITES@"
    "\tfor (i = 0; i < @MACRO@_WAVEDATA_SIZE; ++i)\n"
    "\t\tWAVEFORM_MEMORY[i] = @ARRAY@[offset + i];\n"
    "\treturn 0;\n"
    "}\n"
    "\n"
    "/* Each waveform has nine bytes of FlowStates; the ninth is not loaded. "
    "*/\n"
    "@LOAD_FLOWSTATE@\n"
    "{\n"
    "\tunsigned int offset = flowstates_of(bank);\n"
    "\tunsigned char i;\n"
    "\n"
    "\tif (offset == 0 || waveform > 3)\n"
    "\t\treturn 1;\n"
    "\toffset += waveform * 9;\n"
    "\tfor (i = 0; i < 8; ++i)\n"
    "\t\tFLOW_STATE[i] = @ARRAY@[offset + i];\n"
    "\treturn 0;\n"
    "}\n";

}  // namespace wfpack::loader_template
