#pragma once
// A scripted device at the far end of a pseudo-terminal: records every byte
// and frame the host sends and answers each valid frame as a script says.
// Byte-exact and timing tests use it where the simulator's behaviour is not
// the point.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "vlp_frame.h"
#include "zav/platform/pseudo_terminal.h"
#include "zav/platform/serial_device.h"

namespace zav::link::test {

using Bytes = std::vector<std::uint8_t>;

// The stuffed wire bytes of a frame.
Bytes wire_frame(std::uint8_t addr_seq, const Bytes& data);

class PtyPeer {
  public:
    // Given a received frame (unstuffed), returns the bytes to send back
    // (nothing for silence).
    using Script = std::function<Bytes(const Bytes& frame)>;

    // Answers every frame with `data` under the frame's own sequence bit.
    static Script reply(Bytes data);
    static Script silent();

    PtyPeer() = default;
    ~PtyPeer();

    // Opens the pty, makes it COM<port_number> for this process and starts
    // answering. False when no pty can be made.
    bool start(int port_number, Script script = reply({0xF0}));
    void set_script(Script script);
    // Sends bytes to the host unasked.
    void send(const Bytes& bytes);

    Bytes wire() const;                 // every byte received so far
    std::vector<Bytes> frames() const;  // every valid frame, unstuffed
    std::size_t frame_count() const;
    void clear();
    // Blocks until `count` frames have arrived or ms pass.
    bool wait_frames(std::size_t count, int ms) const;

  private:
    void serve();
    void write_all(const Bytes& bytes);

    platform::PseudoTerminal pty_;
    platform::Waker stop_waker_;
    std::atomic<bool> running_{false};
    std::thread thread_;

    mutable std::mutex mutex_;  // guards everything below
    mutable std::condition_variable frame_arrived_;
    Script script_;
    Bytes wire_;
    std::vector<Bytes> frames_;
};

}  // namespace zav::link::test
