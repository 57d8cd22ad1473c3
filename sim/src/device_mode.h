#pragma once
// The serving thread hands received bytes to the handler of the program the
// device runs now (the link protocol, the RAM loader, the RAM utility's
// one-byte channel, a ccTalk peer). A handler answers through DeviceOutput
// and never blocks; timed work runs in tick().
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "zav/sim/simulator.h"

namespace zav::sim {

// Bytes for the host, and when they may leave.
struct Transmission {
    std::vector<std::uint8_t> bytes;
    // Bytes of the host's message this answers: on an emulated line the
    // answer waits until they would have crossed it.
    std::size_t answered_bytes = 0;
    int delay_ms = 0;  // extra wait, after the answered bytes
};

class DeviceOutput {
  public:
    virtual void send(Transmission transmission) = 0;
    // The device runs `program` from the next byte on. The handler that asks
    // returns at once: bytes of the same read it has not taken are lost, as
    // a unit that changes programs misses them.
    virtual void switch_to(Program program) = 0;

  protected:
    ~DeviceOutput() = default;
};

class DeviceMode {
  public:
    virtual ~DeviceMode() = default;
    // Takes bytes the host sent, in order, as they arrive.
    virtual void receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) = 0;
    // When tick() is next due (monotonic microseconds); none: only on wakes.
    virtual std::optional<std::int64_t> next_tick_us() const { return std::nullopt; }
    // Runs whenever the serving thread wakes (a due tick, input, or a
    // request of the owner), before the input is read.
    virtual void tick(std::int64_t /*now_us*/, DeviceOutput& /*out*/) {}
};

}  // namespace zav::sim
