#pragma once
// A bare host for tests: writes VLP frames to the simulator's pty and reads
// what comes back, byte for byte, without the link library in between.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "vlp_frame.h"
#include "zav/platform/serial_device.h"

namespace zav::sim::test {

using Bytes = std::vector<std::uint8_t>;

struct ReceivedFrame {
    std::uint8_t addr_seq = 0;
    Bytes data;
};

class RawHost {
  public:
    bool open(const std::string& path);
    void close() { device_.close(); }

    // Writes the frame for addr_seq and data, stuffed.
    void send(std::uint8_t addr_seq, const Bytes& data);
    void send_raw(const Bytes& bytes);

    // The next frame with a good CRC within timeout_ms; bytes seen on the
    // way (stuffed, junk included) are kept in raw(). bad_crc() counts
    // frames that failed their check.
    std::optional<ReceivedFrame> receive(int timeout_ms);
    // Bytes arriving within timeout_ms, whatever they are.
    Bytes receive_raw(int timeout_ms);

    const Bytes& raw() const { return raw_; }
    int bad_crc() const { return bad_crc_; }

  private:
    platform::SerialDevice device_;
    vlp::FrameReceiver receiver_;
    Bytes raw_;
    int bad_crc_ = 0;
};

using vlp::wire_frame;

}  // namespace zav::sim::test
