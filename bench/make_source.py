#!/usr/bin/env python3
"""Write the large synthetic GPIF sources used by run_benchmarks.sh.

    make_source.py KIND OUTPUT SIZE_BYTES

KIND is one of:

  padded    the design tool's own layout: every value padded to a fixed
            column with upper-case digits ("0x04,     0x2C,"), labelled rows,
            trailing blanks on the header lines, random values; IFCONFIG and
            InitData, then WaveData/FlowStates blocks for banks 0 to 7,
            repeated until the file is SIZE_BYTES long.
  packed    table-dense, packed: IFCONFIG and InitData, then WaveData/FlowStates
            blocks for banks 0 to 7, repeated until the file is SIZE_BYTES
            long.
  comments  comment-heavy: long // and /* */ lines and C code outside any
            table, with a small FlowStates table about once per MiB; the
            file is SIZE_BYTES long.
  oneline   a WaveData header, then one line of SIZE_BYTES bytes (not
            counting its line end) of repeated "0x12,0x34 /* words */ ",
            then "};".
  design    one source as the design tool writes it, for timing a run from
            start to end: the bundled example's description blocks and bank
            0 tables, true to each other, then as many of the padded
            layout's other banks as fit, the example's GpifInit code, and
            comment lines up to SIZE_BYTES.

The output is built from one repeated chunk of a few MiB, so writing is
bounded by the disk, not by Python. If OUTPUT already has exactly the size
this KIND and SIZE_BYTES produce, it is kept as it is: regenerating
gigabytes on every benchmark run would take longer than the run itself.
The file is written under a temporary name and renamed at the end, so an
interrupted run never leaves a file that looks complete.
"""

import os
import random
import sys

CHUNK_TARGET = 4 * 1024 * 1024

WAVE_LABELS = ("LenBr", "Opcode", "Output", "LFun")


def hex_values(rng, count):
    return "".join("0x%02X," % rng.randrange(256) for _ in range(count))


PADDED_LABELS = ("/* LenBr */", "/* Opcode*/", "/* Output*/", "/* LFun */")


def padded_values(rng, count):
    return ",     ".join("0x%02X" % rng.randrange(256) for _ in range(count)) + ","


def padded_prologue():
    return (
        "// Synthetic GPIF source in the design tool's padded layout.\n"
        "  IFCONFIG = 0xCE;\n"
        "const char xdata InitData[7] =     \n"
        "{                                      \n"
        "/* Regs  */ 0xA0,     0x00,     0x00,     0x00,     0xEE,     0x4E,     0x00\n"
        "};\n"
    )


def padded_cycle():
    """One WaveData and one FlowStates table for each of the eight banks."""
    rng = random.Random(0x9AD)
    out = []
    for bank in range(8):
        sel = "" if bank == 0 else str(bank)
        out.append("const char xdata WaveData%s[128] =     \n" % sel)
        out.append("{                                      \n")
        for wave in range(4):
            out.append("// Wave %d \n" % (bank * 4 + wave))
            for label in PADDED_LABELS:
                out.append("%s %s\n" % (label, padded_values(rng, 8)))
        out.append("};\n\n")
        out.append("const char xdata FlowStates%s[36] =     \n" % sel)
        out.append("{                                      \n")
        for wave in range(4):
            out.append("/* Wave %d FlowStates */ %s\n" % (bank * 4 + wave, padded_values(rng, 9)))
        out.append("};\n\n")
    return "".join(out)


def packed_prologue():
    return (
        "// Synthetic packed GPIF source for benchmarking.\n"
        "  IFCONFIG = 0xCE;\n"
        "const char xdata InitData[7] =\n"
        "{\n"
        "0xA0,0x00,0x00,0x00,0xEE,0x4E,0x00\n"
        "};\n"
    )


def packed_cycle():
    """One WaveData and one FlowStates table for each of the eight banks."""
    rng = random.Random(0x6F1F)
    out = []
    for bank in range(8):
        sel = "" if bank == 0 else str(bank)
        out.append("const char xdata WaveData%s[128] =\n{\n" % sel)
        for line in range(16):
            out.append("/* %s */ %s\n" % (WAVE_LABELS[line % 4], hex_values(rng, 8)))
        out.append("};\n")
        out.append("const char xdata FlowStates%s[36] =\n{\n" % sel)
        for _ in range(4):
            out.append(hex_values(rng, 9) + "\n")
        out.append("};\n")
    return "".join(out)


COMMENT_WORDS = (
    "the", "waveform", "drives", "CTL0", "low", "while", "RDY1", "is",
    "sampled", "on", "each", "IFCLK", "edge", "so", "the", "FIFO", "flag",
    "settles", "before", "the", "next", "decision", "point", "and", "data",
    "is", "latched", "into", "EP2", "when", "the", "strobe", "rises",
)


def comment_text(rng, length):
    words = []
    size = 0
    while size < length:
        word = rng.choice(COMMENT_WORDS)
        words.append(word)
        size += len(word) + 1
    return " ".join(words)[:length]


def comments_prologue():
    return (
        "// Synthetic comment-heavy GPIF source for benchmarking.\n"
        '#include "fx2.h"\n'
        '#include "fx2regs.h"\n'
        "  IFCONFIG = 0xCE;\n"
        "const char xdata InitData[7] =\n"
        "{\n"
        "/* Regs */ 0xA0,0x00,0x00,0x00,0xEE,0x4E,0x00\n"
        "};\n"
    )


CODE_LINES = (
    "void GpifInit( void )\n",
    "{\n",
    "  BYTE i;\n",
    "  GPIFABORT = 0xFF;  // abort any waveforms pending\n",
    "  GPIFREADYCFG = InitData[ 0 ];\n",
    "  SYNCDELAY;                    //\n",
    "  GPIFADRH = 0x00;    // bits[7:1] always 0\n",
    "  for ( i = 0x00; i < 128; i++ )\n",
    "  {\n",
    "    EXTAUTODAT2 = EXTAUTODAT1;\n",
    "  }\n",
    "  FLOWSTATE = FlowStates[ 0 ];\n",
    "  PORTCCFG = 0xFF;    // [7:0] as alt. func. GPIFADR[7:0]\n",
    "  if ( IFCONFIG & 0x80 ) { EP2FIFOCFG = 0x0C; }\n",
    "}\n",
)


def comments_cycle():
    """About 1 MiB of comments and code, then one small table."""
    rng = random.Random(0xC0DE)
    out = []
    size = 0
    while size < 1024 * 1024:
        pick = rng.randrange(10)
        if pick < 4:
            line = "// %s\n" % comment_text(rng, rng.randrange(80, 240))
        elif pick < 7:
            line = "/* %s */\n" % comment_text(rng, rng.randrange(80, 240))
        elif pick < 8:
            # Hexadecimal values in a comment outside a table count for nothing.
            line = "// %s %s\n" % (comment_text(rng, 60), hex_values(rng, 6))
        else:
            line = rng.choice(CODE_LINES)
        out.append(line)
        size += len(line)
    out.append("const char xdata FlowStates3[36] =\n{\n")
    for wave in range(4):
        out.append("/* Wave %d FlowStates */ %s\n" % (wave, hex_values(rng, 9)))
    out.append("};\n")
    return "".join(out)


def padding(count):
    """Comment lines totalling exactly count bytes."""
    out = []
    while count > 0:
        take = min(count, 72)
        if 0 < count - take < 3:
            take = count - 3 if count - 3 >= 3 else count
        if take >= 3:
            out.append("//" + "-" * (take - 3) + "\n")
        else:
            out.append("\n" * take)
        count -= take
    return "".join(out)


def repeat_to_chunk(unit):
    return unit * max(1, CHUNK_TARGET // len(unit))


def plan_filled(prologue, cycle, size):
    """Pieces for a file of exactly size bytes: prologue, whole cycles, padding."""
    head = prologue.encode()
    body = cycle.encode()
    if size < len(head):
        raise SystemExit("size %d is smaller than the %d-byte prologue" % (size, len(head)))
    cycles = (size - len(head)) // len(body)
    pad = padding(size - len(head) - cycles * len(body)).encode()
    chunk = repeat_to_chunk(body)
    per_chunk = len(chunk) // len(body)
    pieces = [(head, 1)]
    pieces.append((chunk, cycles // per_chunk))
    pieces.append((body, cycles % per_chunk))
    pieces.append((pad, 1))
    return pieces


def plan_oneline(size):
    head = b"const char xdata WaveData[128] =\n"
    unit = b"0x12,0x34 /* words */ "
    repeats = size // len(unit)
    # A cut-off unit would leave half a value at the end; blanks fill the rest.
    tail = b" " * (size - repeats * len(unit))
    chunk = repeat_to_chunk(unit)
    per_chunk = len(chunk) // len(unit)
    return [
        (head, 1),
        (chunk, repeats // per_chunk),
        (unit, repeats % per_chunk),
        (tail, 1),
        (b"\n};\n", 1),
    ]


EXAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                       "examples", "gpif.c")


def plan_design(size):
    """One design-tool source of exactly size bytes."""
    with open(EXAMPLE, encoding="ascii") as example:
        text = example.read()
    # The described bank 0 and InitData; the example's own later banks and
    # its code follow the padded banks.
    head = text[:text.index("// Bank 2, written by hand")]
    code = text[text.index("\nvoid GpifInit"):]
    banks = padded_cycle().split("const char xdata WaveData")
    for bank in banks[2:]:
        bank = "const char xdata WaveData" + bank
        if len(head) + len(bank) + len(code) > size:
            break
        head += bank
    text = head + code
    if len(text) > size:
        raise SystemExit("size %d is smaller than one design source" % size)
    return [(text.encode() + padding(size - len(text)).encode(), 1)]


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    kind, output, size_text = argv[1], argv[2], argv[3]
    size = int(size_text)
    if size <= 0:
        raise SystemExit("size must be positive")
    if kind == "padded":
        pieces = plan_filled(padded_prologue(), padded_cycle(), size)
    elif kind == "packed":
        pieces = plan_filled(packed_prologue(), packed_cycle(), size)
    elif kind == "comments":
        pieces = plan_filled(comments_prologue(), comments_cycle(), size)
    elif kind == "oneline":
        pieces = plan_oneline(size)
    elif kind == "design":
        pieces = plan_design(size)
    else:
        raise SystemExit(
            "unknown kind %r (padded, packed, comments, oneline or design)" % kind)

    expected = sum(len(data) * count for data, count in pieces)
    try:
        if os.stat(output).st_size == expected:
            print("keeping %s (%d bytes)" % (output, expected))
            return 0
    except FileNotFoundError:
        pass

    print("writing %s (%d bytes)" % (output, expected), flush=True)
    pending = output + ".tmp"
    with open(pending, "wb") as out:
        for data, count in pieces:
            for _ in range(count):
                out.write(data)
    written = os.stat(pending).st_size
    if written != expected:
        raise SystemExit("%s: wrote %d bytes, expected %d" % (pending, written, expected))
    os.replace(pending, output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
