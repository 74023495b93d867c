// The WaveJSON view, the input of the WaveDrom timing-diagram renderer: a
// group per waveform, titled like the text view's blocks, with a lane of
// interval labels, a lane per CTL output and one for the data bus, one
// step per interval and Idle.
#include "view/escape.h"
#include "view/shown.h"

namespace wfpack::view {

namespace {

// WaveDrom's steps are the levels' own words: '0', '1' and 'z'.
char wave_char(Level level) {
  const Word word = level_word(level);
  return word.empty() ? 'x' : word.view().front();
}

// Steps that repeat the one before are written '.', as WaveDrom's own
// diagrams are.
void put_lane(std::string& out, std::string_view name,
              const std::string& wave) {
  out += ",\n  {\"name\": ";
  append_json(out, name);
  out += ", \"wave\": \"";
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const bool repeat = i > 0 && wave[i] == wave[i - 1] && wave[i] != '=';
    out += repeat ? '.' : wave[i];
  }
  out += '"';
}

void put_waveform(std::string& out, const std::string& title,
                  const Waveform& waveform) {
  out += "[";
  append_json(out, title);
  out += ",\n  {\"name\": \"interval\", \"wave\": \"";
  out.append(kColumnCount, '=');
  out += "\", \"data\": [";
  for (std::size_t column = 0; column < kColumnCount; ++column) {
    if (column != 0) out += ", ";
    append_json(out, interval_label(waveform, column));
  }
  out += "]}";
  for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
    // An output that has no level in Tristate mode has an empty lane.
    std::string wave;
    if (waveform.levels[ctl][0] != Level::None) {
      for (const Level level : waveform.levels[ctl]) wave += wave_char(level);
    }
    put_lane(out, waveform.ctl_names[ctl].view(), wave);
    out += '}';
  }
  std::string bus;
  std::string data;
  for (std::size_t i = 0; i < kIntervalCount; ++i) {
    const Interval& interval = waveform.intervals[i];
    bus += interval.data ? '=' : 'z';
    if (!interval.data) continue;
    if (!data.empty()) data += ", ";
    append_json(data, interval.next ? cell(waveform, Row::NextData, i).view()
                                    : std::string_view("data"));
  }
  bus += 'z';  // idle
  put_lane(out, "DATA", bus);
  out += ", \"data\": [" + data + "]}\n]";
}

}  // namespace

std::string render_wavejson(const GpifImage& image, const BankNames& names) {
  std::string out = "{\"signal\": [\n";
  out.reserve(512 + 2048 * kWaveformsPerBank * used_bank_count(image));
  const Initialization init = decode_initialization(image);
  bool first = true;
  for_each_waveform(
      image, names,
      [&](std::size_t bank, std::size_t index, const Waveform& waveform) {
        // An empty lane between the groups keeps them apart.
        if (!first) out += ",\n{},\n";
        first = false;
        put_waveform(out, waveform_title(bank, index, waveform, init),
                     waveform);
      });
  out += "\n],\n\"config\": {\"hscale\": 3}}\n";
  return out;
}

}  // namespace wfpack::view
