// IFCONFIG and the registers the setup code loads InitData into, field by
// field, from the field tables. Only what the chip's meaning is known of
// gets words.
#include "waveform/registers.h"

namespace wfpack {

namespace {

void add(Register& reg, const RegisterField& from) {
  BitField& field = reg.fields[reg.field_count++];
  field.name = from.name;
  field.width = from.width;
  field.value = register_value(from, reg.byte);
  field.meaning = from.meanings[field.value];
}

}  // namespace

Register decode_ifconfig(std::uint8_t byte) {
  Register reg{"IFCONFIG", byte};
  for (const RegisterField& field : kIfconfigFields) add(reg, field);
  return reg;
}

Register decode_init_register(const GpifImage& image, std::size_t byte,
                              const DesignNames& names) {
  const Initialization init = decode_initialization(image);
  Register reg{kInitRegisters[byte], image.InitData[byte]};
  // The chip's fields first, then the design tool's words for them, in the
  // fields' order.
  for (const RegisterField& field : kInitFields) {
    if (field.byte == byte && !field.name.empty()) add(reg, field);
  }
  for (const RegisterField& field : kInitFields) {
    if (field.byte != byte || field.label.empty()) continue;
    reg.said[reg.said_count++] = {
        field.label, {}, register_word(field, reg.byte)};
  }
  const auto say_of_each = [&](const auto& word_of) {
    for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
      const Word word = word_of(ctl);
      if (!word.empty()) {
        reg.said[reg.said_count++] = {{}, ctl_name(names, ctl), word};
      }
    }
  };
  if (byte == kCtlConfigByte) {
    say_of_each([&](std::size_t ctl) { return init.drives[ctl]; });
  } else if (byte == kIdleCtlByte) {
    say_of_each([&](std::size_t ctl) { return level_word(init.idle[ctl]); });
  }
  return reg;
}

}  // namespace wfpack
