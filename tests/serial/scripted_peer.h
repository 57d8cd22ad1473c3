#pragma once
// A ccTalk-style device on a TestPort's master end, run on a thread of its
// own: it echoes each frame as a shared line would, then answers it as the
// script says.
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "test_port.h"
#include "zav/platform/serial_device.h"

namespace zav::serial::test {

enum class PeerReply {
    Ack,            // no data, header 0
    Nak,            // no data, header 5
    Busy,           // no data, header 6
    Data,           // header 0 with kReplyData
    WrongChecksum,  // an acknowledge whose checksum is one off
    Oversized,      // a length byte of 252 and a few bytes: longer than any frame
    Silence,        // no echo and no reply
    EchoOnly,       // the echo, then nothing
};

inline const std::vector<std::uint8_t> kReplyData = {0x11, 0x22, 0x33};

// A frame as the peer received it, and when (monotonic milliseconds).
struct ReceivedFrame {
    std::vector<std::uint8_t> bytes;
    std::int64_t at_ms;
};

class ScriptedPeer {
  public:
    // Answers frame i with script[i], and every later one with the last entry.
    ScriptedPeer(const TestPort& port, std::vector<PeerReply> script);
    ~ScriptedPeer();
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    std::vector<ReceivedFrame> frames() const;

  private:
    void serve();
    void answer(const std::vector<std::uint8_t>& frame, PeerReply reply) const;

    const TestPort& port_;
    const std::vector<PeerReply> script_;
    platform::Waker stop_;
    mutable std::mutex mutex_;  // guards frames_
    std::vector<ReceivedFrame> frames_;
    std::thread thread_;
};

// The frame a device would send: destination, n, source, header, data,
// checksum (all bytes adding up to 0 modulo 256).
std::vector<std::uint8_t> make_frame(std::uint8_t destination, std::uint8_t source,
                                     std::uint8_t header, const std::vector<std::uint8_t>& data);

}  // namespace zav::serial::test
