#include "pty_peer.h"

#include <stdlib.h>

#include <chrono>

#include "zav/platform/clock.h"

namespace zav::link::test {

Bytes wire_frame(std::uint8_t addr_seq, const Bytes& data) {
    Bytes frame(data.size() + vlp::kFrameOverhead);
    frame.resize(vlp::build_frame(addr_seq, data.data(), data.size(), frame.data()));
    Bytes wire(frame.size() * 2);
    wire.resize(vlp::stuff(frame.data(), frame.size(), wire.data()));
    return wire;
}

PtyPeer::Script PtyPeer::reply(Bytes data) {
    return [data](const Bytes& frame) { return wire_frame(frame[1] & vlp::kSequenceBit, data); };
}

PtyPeer::Script PtyPeer::silent() {
    return [](const Bytes&) { return Bytes{}; };
}

PtyPeer::~PtyPeer() {
    running_ = false;
    stop_waker_.wake();
    if (thread_.joinable()) thread_.join();
}

bool PtyPeer::start(int port_number, Script script) {
    if (!pty_.open()) return false;
    ::setenv(("ZAV_COM" + std::to_string(port_number)).c_str(), pty_.slave_path().c_str(), 1);
    set_script(std::move(script));
    running_ = true;
    thread_ = std::thread([this] { serve(); });
    return true;
}

void PtyPeer::set_script(Script script) {
    std::lock_guard lock(mutex_);
    script_ = std::move(script);
}

void PtyPeer::send(const Bytes& bytes) {
    write_all(bytes);
}

void PtyPeer::write_all(const Bytes& bytes) {
    // Answers are short; the pty always has room for them.
    for (std::size_t done = 0; done < bytes.size();) {
        const long w = pty_.write_some(bytes.data() + done, bytes.size() - done);
        if (w < 0) break;
        done += static_cast<std::size_t>(w);
        platform::PseudoTerminal::Readiness ready;
        if (w == 0 && !pty_.wait(platform::Deadline::after_ms(100), true, stop_waker_, &ready))
            break;
    }
}

Bytes PtyPeer::wire() const {
    std::lock_guard lock(mutex_);
    return wire_;
}

std::vector<Bytes> PtyPeer::frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

std::size_t PtyPeer::frame_count() const {
    std::lock_guard lock(mutex_);
    return frames_.size();
}

void PtyPeer::clear() {
    std::lock_guard lock(mutex_);
    wire_.clear();
    frames_.clear();
}

bool PtyPeer::wait_frames(std::size_t count, int ms) const {
    std::unique_lock lock(mutex_);
    return frame_arrived_.wait_for(lock, std::chrono::milliseconds(ms),
                                   [&] { return frames_.size() >= count; });
}

void PtyPeer::serve() {
    vlp::FrameReceiver receiver;
    std::uint8_t buffer[512];
    while (running_) {
        platform::PseudoTerminal::Readiness ready;
        if (!pty_.wait(platform::Deadline::never(), false, stop_waker_, &ready)) break;
        if (ready.woken) {
            stop_waker_.clear();
            continue;
        }
        const long n = pty_.read_some(buffer, sizeof buffer);
        for (long i = 0; i < n; ++i) {
            Bytes answer;
            {
                std::lock_guard lock(mutex_);
                wire_.push_back(buffer[i]);
                if (receiver.push(buffer[i]) != vlp::FrameReceiver::Event::Frame) continue;
                frames_.emplace_back(receiver.frame(), receiver.frame() + receiver.frame_length());
                answer = script_(frames_.back());
            }
            frame_arrived_.notify_all();
            write_all(answer);
        }
    }
}

}  // namespace zav::link::test
