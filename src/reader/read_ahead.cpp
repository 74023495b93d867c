#include "reader/read_ahead.h"

#include <system_error>

#include "reader/end_of_input.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace wfpack {

namespace {

// Waits until counter differs from value, and returns its new value. It
// spins a while first: a block takes some microseconds to read or scan, and
// putting a thread to sleep and waking it again costs more than that.
std::uint64_t wait_for_change(const std::atomic<std::uint64_t>& counter,
                              std::uint64_t value) {
  for (int spin = 0; spin < 20000; ++spin) {
    const std::uint64_t now = counter.load(std::memory_order_acquire);
    if (now != value) return now;
#if defined(__SSE2__) || defined(_M_X64)
    _mm_pause();
#endif
  }
  counter.wait(value, std::memory_order_acquire);
  return counter.load(std::memory_order_acquire);
}

}  // namespace

ReadAhead::ReadAhead(std::FILE* source) : source_(source) {
  try {
    reader_ = std::thread([this] { read_blocks(); });
  } catch (const std::system_error&) {
    // Reading in the scanner's own thread is slower, not wrong.
  }
}

ReadAhead::~ReadAhead() {
  if (!reader_.joinable()) return;
  stop_.store(true);
  released_.fetch_add(1);  // wakes a reader waiting for a free slot
  released_.notify_one();
  reader_.join();
}

// Reads block index into its slot; returns false after the last block.
bool ReadAhead::read_slot(std::uint64_t index) {
  auto& slot = slots_[index % kSlots];
  const std::size_t count = std::fread(slot.data(), 1, slot.size(), source_);
  // Looked for here, where the block is fresh in the cache, and not by the
  // scanner.
  const InputPart part = input_part({slot.data(), count});
  counts_[index % kSlots] = part.text.size();
  if (count == slot.size() && !part.ends_input) return true;
  read_failed_ = !part.ends_input && std::ferror(source_) != 0;
  last_block_ = index;
  return false;
}

void ReadAhead::read_blocks() {
  for (std::uint64_t index = 0;; ++index) {
    for (std::uint64_t released = released_.load(); index - released >= kSlots;
         released = wait_for_change(released_, released)) {
      if (stop_.load()) return;
    }
    if (stop_.load()) return;
    const bool more = read_slot(index);
    filled_.store(index + 1);
    filled_.notify_one();
    if (!more) return;
  }
}

std::string_view ReadAhead::next() {
  if (ended_) return {};
  if (!reader_.joinable()) {
    // Without a thread each block is read here, into the first slot.
    const bool more = read_slot(0);
    ended_ = !more;
    failed_ = ended_ && read_failed_;
    return {slots_[0].data(), counts_[0]};
  }
  if (taken_ > 0) {
    released_.store(taken_);  // the block handed out before is done with
    released_.notify_one();
  }
  for (std::uint64_t filled = filled_.load(); filled == taken_;
       filled = wait_for_change(filled_, filled)) {
  }
  const std::uint64_t index = taken_++;
  if (index == last_block_) {
    ended_ = true;
    failed_ = read_failed_;
  }
  return {slots_[index % kSlots].data(), counts_[index % kSlots]};
}

}  // namespace wfpack
