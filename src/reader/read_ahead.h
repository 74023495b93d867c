// Reading a source a few blocks ahead of the scanner, on a thread of its
// own: the copy out of the operating system's file cache then overlaps the
// scan instead of adding to it, and on a large source that copy costs about
// as much as the scan itself.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <thread>

namespace wfpack {

class ReadAhead {
 public:
  static constexpr std::size_t kBlockSize = 64 * 1024;

  // Starts reading source. Where no thread can be started, each block is
  // read when it is asked for instead.
  explicit ReadAhead(std::FILE* source);
  // Stops reading, whether or not the end was reached.
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // The next block of the source, valid until the next call; empty once
  // the input has ended or failed. The input ends at the end of the file
  // or at its first 0x1A byte: a block holds no 0x1A.
  std::string_view next();

  // Whether reading stopped at an error rather than at the end of the file.
  bool failed() const { return failed_; }

 private:
  static constexpr std::uint64_t kSlots = 4;

  void read_blocks();
  bool read_slot(std::uint64_t index);

  std::FILE* source_;
  std::array<std::array<char, kBlockSize>, kSlots> slots_;
  std::array<std::size_t, kSlots> counts_{};
  // Blocks read so far, and blocks the scanner is done with: the reader
  // stays at most kSlots ahead. Each on a cache line of its own, so that
  // one thread waiting on one does not slow the other down.
  alignas(64) std::atomic<std::uint64_t> filled_{0};
  alignas(64) std::atomic<std::uint64_t> released_{0};
  std::atomic<bool> stop_{false};
  // Written before the last block is published, read after it.
  std::uint64_t last_block_ = UINT64_MAX;
  bool read_failed_ = false;
  // The scanner's side.
  alignas(64) std::uint64_t taken_ = 0;
  bool ended_ = false;
  bool failed_ = false;
  std::thread reader_;
};

}  // namespace wfpack
