// IFCONFIG and the registers the setup code loads InitData into, field by
// field. Only what the chip's meaning is known of gets words.
#include "waveform/registers.h"

namespace wfpack {

namespace {

void add(Register& reg, std::string_view name, int low, int width,
         std::string_view meaning_if_set = {}) {
  BitField& field = reg.fields[reg.field_count++];
  field.name = name;
  field.width = static_cast<std::uint8_t>(width);
  field.value = static_cast<std::uint8_t>(reg.byte >> low & ((1 << width) - 1));
  if (field.value != 0) field.meaning = meaning_if_set;
}

}  // namespace

Register decode_ifconfig(std::uint8_t byte) {
  Register reg{"IFCONFIG", byte};
  add(reg, "IFCLKSRC", 7, 1, "internal clock");
  add(reg, "3048MHZ", 6, 1, "48 MHz");
  if (reg.fields[1].value == 0) reg.fields[1].meaning = "30 MHz";
  add(reg, "IFCLKOE", 5, 1, "clock driven out");
  add(reg, "IFCLKPOL", 4, 1, "inverted clock");
  add(reg, "ASYNC", 3, 1, "asynchronous");
  add(reg, "GSTATE", 2, 1, "GPIF state on port pins");
  add(reg, "IFCFG", 0, 2);
  constexpr std::string_view kModes[] = {"ports", "", "GPIF master",
                                         "slave FIFO"};
  reg.fields[6].meaning = kModes[reg.fields[6].value];
  return reg;
}

Register decode_init_register(const GpifImage& image, std::size_t byte,
                              const DesignNames& names) {
  constexpr std::string_view kNames[kInitDataSize] = {
      "GPIFREADYCFG", "GPIFCTLCFG",   "GPIFIDLECS", "GPIFIDLECTL", "",
      "GPIFWFSELECT", "GPIFREADYSTAT"};
  const Initialization init = decode_initialization(image);
  Register reg{kNames[byte], image.InitData[byte]};
  const auto say = [&](InitRow row) {
    reg.said[reg.said_count++] = {
        init_label(row), {}, init.words[static_cast<std::size_t>(row)]};
  };
  const auto say_of_each = [&](const auto& word_of) {
    for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
      const Word word = word_of(ctl);
      if (!word.empty()) {
        reg.said[reg.said_count++] = {{}, ctl_name(names, ctl), word};
      }
    }
  };
  switch (byte) {
    case 0:
      add(reg, "INTRDY", 7, 1, "internal ready set");
      add(reg, "SAS", 6, 1, "ready inputs sampled synchronously");
      add(reg, "TCXRDY5", 5, 1, "term 5 is the transaction count's expiry");
      say(InitRow::InternalReady);
      say(InitRow::InterfaceTiming);
      break;
    case 1:
      add(reg, "TRICTL", 7, 1, "CTL0 to CTL3 tristate-able");
      say(InitRow::CtlTristate);
      say_of_each([&](std::size_t ctl) { return init.drives[ctl]; });
      break;
    case 3:
      say_of_each([&](std::size_t ctl) { return level_word(init.idle[ctl]); });
      break;
    case 5:
      for (const InitRow row :
           {InitRow::SingleWriteSelect, InitRow::SingleReadSelect,
            InitRow::FifoWriteSelect, InitRow::FifoReadSelect}) {
        say(row);
      }
      break;
    default:
      break;
  }
  return reg;
}

}  // namespace wfpack
