#pragma once
// The device's transmit line. Transmissions leave in the order they were
// queued, none before its time, and with a wire baud rate set, byte by byte
// at the pace of a real line (11 bits a byte: start, 8 data, 2 stop).
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "zav/platform/pseudo_terminal.h"

namespace zav::sim {

class Transmitter {
  public:
    // wire_baud 0: bytes leave as soon as they are due.
    explicit Transmitter(std::uint32_t wire_baud);

    // Microseconds the line needs for count bytes (0 without a wire rate).
    std::int64_t wire_time_us(std::size_t count) const;

    // Queues bytes to start no earlier than not_before_us (monotonic
    // microseconds) and not before the line has carried everything queued
    // earlier. Bytes beyond the backlog limit (a host that stopped reading)
    // are dropped, as a line with no listener loses them.
    void queue(std::vector<std::uint8_t> bytes, std::int64_t not_before_us);

    // Writes every byte due by now_us that the line takes. False when the
    // write fails.
    bool send_due(std::int64_t now_us, platform::PseudoTerminal& line);

    // When the next byte is due; none while nothing is queued.
    std::optional<std::int64_t> next_due_us() const;
    // True when due bytes wait for room on the line.
    bool waiting_for_room() const { return waiting_for_room_; }

  private:
    struct Pending {
        std::vector<std::uint8_t> bytes;
        std::size_t sent = 0;
        std::int64_t start_us = 0;  // when the first byte is due
    };
    std::int64_t due_us(const Pending& pending, std::size_t index) const;

    std::int64_t byte_time_ns_;  // 0 without a wire rate
    std::deque<Pending> queue_;
    std::size_t backlog_ = 0;  // bytes queued and not yet written
    bool waiting_for_room_ = false;
};

}  // namespace zav::sim
