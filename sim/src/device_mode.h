#pragma once
// The serving thread hands received bytes to the handler of the device's
// current mode (the link protocol now; the RAM loader and the RAM utility's
// one-byte channel share the same line later). A handler answers through
// DeviceOutput and never blocks.
#include <cstddef>
#include <cstdint>
#include <vector>

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

  protected:
    ~DeviceOutput() = default;
};

class DeviceMode {
  public:
    virtual ~DeviceMode() = default;
    // Takes bytes the host sent, in order, as they arrive.
    virtual void receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) = 0;
};

}  // namespace zav::sim
