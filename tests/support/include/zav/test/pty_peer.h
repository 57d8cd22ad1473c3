#pragma once
// A scripted device at the far end of a pseudo-terminal, for byte-exact and
// timing tests where the simulator's behaviour is not the point. PtyPeer
// records every byte the host writes and answers as a script says;
// FramePeer puts it behind VLP frames: it answers each valid frame.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "vlp_frame.h"
#include "zav/platform/pseudo_terminal.h"
#include "zav/platform/serial_device.h"

namespace zav::test {

using Bytes = std::vector<std::uint8_t>;

class PtyPeer {
  public:
    // Called after each byte that arrives, with every byte received so far;
    // returns the bytes to send back, often none.
    using Script = std::function<Bytes(const Bytes& received)>;

    // Answers `command` with `answer` each time it arrives.
    static Script answer(std::uint8_t command, Bytes answer);
    static Script silent();

    PtyPeer() = default;
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // Opens the pty, makes it COM<port_number> for this process and starts
    // answering. False when no pty can be made.
    bool start(int port_number, Script script = silent());
    void set_script(Script script);
    // Sends bytes to the host unasked.
    void send(const Bytes& bytes);

    Bytes received() const;
    void clear();
    // Blocks until `condition` holds for the bytes received so far or `ms`
    // pass; says whether it held. The condition runs under the peer's lock,
    // as the script does, so it may read what the script keeps.
    bool wait_until(const std::function<bool(const Bytes& received)>& condition, int ms) const;
    bool wait_received(std::size_t count, int ms) const;
    // Runs `action` under the peer's lock, as the script runs.
    void with_lock(const std::function<void()>& action) const;

  private:
    void serve();
    void write_all(const Bytes& bytes);

    platform::PseudoTerminal pty_;
    platform::Waker stop_waker_;
    std::thread thread_;
    mutable std::mutex mutex_;  // guards everything below; held while writing
    mutable std::condition_variable arrived_;
    Script script_;
    Bytes received_;
    bool stopping_ = false;
};

class FramePeer {
  public:
    // Given a received frame (unstuffed, start byte first), returns the
    // bytes to send back (nothing for silence).
    using Script = std::function<Bytes(const Bytes& frame)>;

    // Answers every frame with `data` under the frame's own sequence bit.
    static Script reply(Bytes data);
    static Script silent();

    bool start(int port_number, Script script = reply({0xF0}));
    void set_script(Script script);
    void send(const Bytes& bytes) { peer_.send(bytes); }

    Bytes wire() const { return peer_.received(); }  // every byte received
    std::vector<Bytes> frames() const;               // every valid frame
    std::size_t frame_count() const;
    void clear();
    // Blocks until `count` frames have arrived or ms pass.
    bool wait_frames(std::size_t count, int ms) const;
    // Blocks until `condition` holds for the bytes received or ms pass.
    bool wait_wire(const std::function<bool(const Bytes& wire)>& condition, int ms) const {
        return peer_.wait_until(condition, ms);
    }

  private:
    Bytes on_byte(std::uint8_t byte);

    // Everything below is guarded by the peer's lock: the peer calls on_byte
    // under it, and the accessors take it with with_lock or wait_until.
    vlp::FrameReceiver receiver_;
    std::vector<Bytes> frames_;
    Script script_;
    PtyPeer peer_;  // last: its thread stops before the rest goes
};

}  // namespace zav::test
