// What the views share: the waveforms shown, in bank order, and the words
// that title them and label their intervals.
#pragma once

#include <cstddef>
#include <string>

#include "image/byte_text.h"
#include "view/view.h"
#include "waveform/timing.h"

namespace wfpack::view {

// Calls show(bank, index, waveform) for each waveform of each used bank.
template <class Show>
void for_each_waveform(const GpifImage& image, const BankNames& names,
                       Show&& show) {
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (!image.BankUsed[bank]) continue;
    for (std::size_t index = 0; index < kWaveformsPerBank; ++index) {
      show(bank, index, decode_waveform(image, bank, index, names[bank]));
    }
  }
}

// The names of the bank whose names the InitData lines use: the first used
// bank's, as InitData serves every bank.
const DesignNames& first_bank_names(const GpifImage& image,
                                    const BankNames& names);

// "Bank 0, waveform 2: FIFO Rd (FIFO read)": the name where the source
// gives one, and the transfers GPIFWFSELECT has the waveform serve.
std::string waveform_title(std::size_t bank, std::size_t index,
                           const Waveform& waveform,
                           const Initialization& init);

// "FLOWHOLDOFF 0x00, FLOWSTB 0x00, FLOWSTBEDGE 0x01, FLOWSTBHPERIOD 0x02":
// the flow-state bytes whose effect is not known, shown as values.
void append_strobe_bytes(std::string& out, const FlowState& flow);

// "Wait 2", "IF TCXpire AND RDY0"; "Idle" for the idle column.
std::string interval_label(const Waveform& waveform, std::size_t column);

// Whether the interval is the waveform's flow state.
bool is_flow_interval(const Waveform& waveform, std::size_t interval);
// While the flow state runs, a CTL output whose FLOWEQ0CTL and FLOWEQ1CTL
// levels differ follows the flow logic: "1 if TCXpire AND RDY0, else 0".
// Empty where the two agree.
std::string flow_either(const Waveform& waveform, std::size_t ctl);
// What the waveform does with the data bus by the transfers it serves: a
// write "drives" it, a read "samples" it; neither or both, "data".
std::string_view data_role(std::size_t index, const Initialization& init);

// "1 cycle", "5 cycles".
std::string cycles_words(unsigned cycles);
// The intervals 0 to 6 that no run reaches, "4 5 6"; empty for none.
std::string not_reached(const Timing& timing);
// The shortest pass, for a title: "at least 5 cycles, 104.2 ns" (no ns for
// an external clock), or "no path to Idle".
std::string shortest_pass(const Timing& timing);
// The text view's line, for scripts to read: "Time: at least 5 cycles from
// interval 0 to Idle, 104.2 ns at 48 MHz; not reached: 4 5 6".
std::string time_line(const Timing& timing);

std::string render_text(const GpifImage& image, const BankNames& names);
std::string render_svg(const GpifImage& image, const BankNames& names);
std::string render_wavejson(const GpifImage& image, const BankNames& names);

}  // namespace wfpack::view
