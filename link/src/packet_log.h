#pragma once
// The packet log: a human-readable trace of every block written to the port
// and every valid frame received, appended to a text file. Each frame's
// lines are written under one lock, so the caller's and the reader thread's
// blocks never interleave.
#include <atomic>
#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>

#include "packet_log_format.h"

namespace zav::link {

class PacketLog {
  public:
    static constexpr std::size_t kMaxNameLength = 300;

    // Starts logging to the named file (appending; the first 300 characters
    // of the name count). False when it cannot be opened; logging then stays
    // as it was.
    bool open(const std::string& name);
    void close();
    bool enabled() const { return enabled_.load(std::memory_order_acquire); }

    // A block about to be written: `wire` as sent, `frame` the same before
    // stuffing (equal to wire for raw bytes).
    void transmit(ByteSpan wire, ByteSpan frame);
    // A frame whose CRC was correct.
    void receive(ByteSpan frame);
    // A reply time-out.
    void no_reply();

  private:
    void write(const std::string& text);
    std::int64_t take_ms_since_previous();

    std::atomic<bool> enabled_{false};
    std::mutex mutex_;  // guards everything below and the file's contents
    std::ofstream out_;
    std::int64_t start_ms_ = 0;
    std::int64_t previous_ms_ = 0;  // since start_ms_
    std::uint32_t sequence_ = 0;
    bool last_was_poll_ = false;
};

}  // namespace zav::link
