// The text view: IFCONFIG and InitData field by field, then each waveform
// in the design tool's own layout, as its description block shows it
// without the "// ", for the bytes as they are, and under it what is
// known of its time.
#include <algorithm>

#include "view/shown.h"
#include "waveform/registers.h"

namespace wfpack::view {

namespace {

constexpr std::size_t kLabelWidth = kTableLabelWidth;
constexpr std::size_t kColumnWidth = kTableColumnWidth;
// The header's interval numbers stand where the levels do.
constexpr std::size_t kLevelAt = kTableLevelAt;
constexpr std::size_t kLabelCut = 8;
constexpr std::size_t kCellCut = 9;
constexpr std::size_t kRegisterWidth = 13;

std::size_t column_at(std::size_t column) {
  return kLabelWidth + kColumnWidth * column;
}

void put_at(std::string& line, std::size_t at, std::string_view text) {
  if (line.size() < at) line.append(at - line.size(), ' ');
  line += text;
}

void end_line(std::string& out, std::string& line) {
  line.erase(line.find_last_not_of(' ') + 1);
  out += line;
  out += '\n';
  line.clear();
}

void put_fields(std::string& line, const Register& reg) {
  for (std::size_t i = 0; i < reg.field_count; ++i) {
    const BitField& field = reg.fields[i];
    line += i == 0 ? "" : ", ";
    line += field.name;
    line += '=';
    for (int bit = field.width - 1; bit >= 0; --bit) {
      line += static_cast<char>('0' + (field.value >> bit & 1));
    }
    if (!field.meaning.empty()) {
      line += ' ';
      line += field.meaning;
    }
  }
}

// "RD# 1, WR# 0, ..." for the outputs that have a level.
template <class Levels>
void put_levels(std::string& line, const Waveform& waveform, Levels level_of) {
  bool first = true;
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    const Word word = level_word(level_of(ctl));
    if (word.empty()) continue;
    line += first ? "" : ", ";
    line += waveform.ctl_names[ctl].view();
    line += ' ';
    line += word.view();
    first = false;
  }
}

// "NAME         0xnn  REGISTER: fields; the design tool's words".
void put_register(std::string& out, std::string line, const Register& reg) {
  put_at(line, kRegisterWidth, "");
  append_hex(line, reg.byte);
  line += "  ";
  line += reg.name.empty() ? "not loaded by the setup code" : reg.name;
  if (reg.field_count != 0 || reg.said_count != 0) line += ": ";
  put_fields(line, reg);
  for (std::size_t i = 0; i < reg.said_count; ++i) {
    const Said& said = reg.said[i];
    line += i != 0 ? ", " : reg.field_count != 0 ? "; " : "";
    line += said.label.empty() ? said.name.view() : said.label;
    line += ' ';
    line += said.word.view();
  }
  end_line(out, line);
}

void put_registers(std::string& out, const GpifImage& image,
                   const BankNames& names) {
  // IFCONFIG's fields follow its value at once: it is its own register.
  const Register ifconfig = decode_ifconfig(image.IfConfig);
  std::string line(ifconfig.name);
  put_at(line, kRegisterWidth, "");
  append_hex(line, ifconfig.byte);
  line += "  ";
  put_fields(line, ifconfig);
  end_line(out, line);
  const DesignNames& bank_names = first_bank_names(image, names);
  for (std::size_t byte = 0; byte < kInitDataSize; ++byte) {
    put_register(out, "InitData[" + std::to_string(byte) + "]",
                 decode_init_register(image, byte, bank_names));
  }
  out += '\n';
}

void put_flow_state(std::string& out, const Waveform& waveform) {
  const FlowState& flow = waveform.flow;
  std::string line = "Flow state: interval " + std::to_string(flow.interval) +
                     ", " + logic_text(waveform, flow.logic) + "; if 0: ";
  put_levels(line, waveform, [&](std::size_t ctl) { return flow.if_0[ctl]; });
  line += "; if 1: ";
  put_levels(line, waveform, [&](std::size_t ctl) { return flow.if_1[ctl]; });
  line += "; ";
  append_strobe_bytes(line, flow);
  end_line(out, line);
}

void put_waveform(std::string& out, const std::string& title,
                  const Waveform& waveform, const Timing& timing) {
  std::string line = title;
  end_line(out, line);
  line = "Interval";
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    put_at(line, column_at(i) + kLevelAt, std::to_string(i));
  }
  put_at(line, column_at(kIdleColumn), "Idle (7)");
  end_line(out, line);
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    put_at(line, column_at(column), "_________");
  }
  end_line(out, line);
  out += '\n';
  for (std::size_t r = 0; r < kRowCount; ++r) {
    const auto row = static_cast<Row>(r);
    line = row_field(row).label;
    for (std::size_t i = 0; i < kIntervalCount; ++i) {
      put_at(line, column_at(i),
             cell(waveform, row, i).view().substr(0, kCellCut));
    }
    end_line(out, line);
  }
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    line = waveform.ctl_names[ctl].view().substr(0, kLabelCut);
    for (std::size_t column = 0; column < kColumnCount; ++column) {
      const Word level = level_word(waveform.levels[ctl][column]);
      if (!level.empty())
        put_at(line, column_at(column) + kLevelAt, level.view());
    }
    end_line(out, line);
  }
  if (waveform.flow.enabled) put_flow_state(out, waveform);
  out += time_line(timing);
  out += "\n\n";
}

}  // namespace

std::string render_text(const GpifImage& image, const BankNames& names) {
  std::string out;
  out.reserve(4096 + 2048 * kWaveformsPerBank * used_bank_count(image));
  put_registers(out, image, names);
  const Initialization init = decode_initialization(image);
  const Clock clock = interface_clock(image.IfConfig);
  for_each_waveform(
      image, names,
      [&](std::size_t bank, std::size_t index, const Waveform& waveform) {
        put_waveform(out, waveform_title(bank, index, waveform, init), waveform,
                     waveform_timing(waveform, clock));
      });
  return out;
}

}  // namespace wfpack::view
