#include "zav/test/pty_peer.h"

#include <chrono>

#include "zav/platform/port_override.h"

namespace zav::test {

PtyPeer::Script PtyPeer::answer(std::uint8_t command, Bytes answer) {
    return [command, answer](const Bytes& received) {
        return received.back() == command ? answer : Bytes{};
    };
}

PtyPeer::Script PtyPeer::silent() {
    return [](const Bytes&) { return Bytes{}; };
}

PtyPeer::~PtyPeer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_waker_.wake();
    if (thread_.joinable()) thread_.join();
}

bool PtyPeer::start(int port_number, Script script) {
    if (!pty_.open() || !platform::set_port_override(port_number, pty_.slave_path())) return false;
    set_script(std::move(script));
    thread_ = std::thread([this] { serve(); });
    return true;
}

void PtyPeer::set_script(Script script) {
    std::lock_guard lock(mutex_);
    script_ = std::move(script);
}

void PtyPeer::send(const Bytes& bytes) {
    std::lock_guard lock(mutex_);
    write_all(bytes);
}

Bytes PtyPeer::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void PtyPeer::clear() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

bool PtyPeer::wait_until(const std::function<bool(const Bytes& received)>& condition,
                         int ms) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::milliseconds(ms),
                             [&] { return condition(received_); });
}

bool PtyPeer::wait_received(std::size_t count, int ms) const {
    return wait_until([count](const Bytes& received) { return received.size() >= count; }, ms);
}

void PtyPeer::with_lock(const std::function<void()>& action) const {
    std::lock_guard lock(mutex_);
    action();
}

void PtyPeer::serve() {
    std::uint8_t buffer[512];
    for (;;) {
        platform::PseudoTerminal::Readiness ready;
        if (!pty_.wait(platform::Deadline::never(), false, stop_waker_, &ready)) return;
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        if (ready.woken) stop_waker_.clear();
        const long n = pty_.read_some(buffer, sizeof buffer);
        for (long i = 0; i < n; ++i) {
            received_.push_back(buffer[i]);
            write_all(script_(received_));
        }
        if (n > 0) arrived_.notify_all();
    }
}

// The caller holds mutex_. Answers are short; the pty has room for them.
void PtyPeer::write_all(const Bytes& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const long written = pty_.write_some(bytes.data() + done, bytes.size() - done);
        if (written < 0) return;
        done += static_cast<std::size_t>(written);
        platform::PseudoTerminal::Readiness ready;
        if (written == 0 &&
            !pty_.wait(platform::Deadline::after_ms(100), true, stop_waker_, &ready)) {
            return;
        }
    }
}

FramePeer::Script FramePeer::reply(Bytes data) {
    return
        [data](const Bytes& frame) { return vlp::wire_frame(frame[1] & vlp::kSequenceBit, data); };
}

FramePeer::Script FramePeer::silent() {
    return [](const Bytes&) { return Bytes{}; };
}

bool FramePeer::start(int port_number, Script script) {
    script_ = std::move(script);
    return peer_.start(port_number,
                       [this](const Bytes& received) { return on_byte(received.back()); });
}

void FramePeer::set_script(Script script) {
    peer_.with_lock([&] { script_ = std::move(script); });
}

std::vector<Bytes> FramePeer::frames() const {
    std::vector<Bytes> frames;
    peer_.with_lock([&] { frames = frames_; });
    return frames;
}

std::size_t FramePeer::frame_count() const {
    std::size_t count = 0;
    peer_.with_lock([&] { count = frames_.size(); });
    return count;
}

void FramePeer::clear() {
    peer_.clear();
    peer_.with_lock([&] { frames_.clear(); });
}

bool FramePeer::wait_frames(std::size_t count, int ms) const {
    return peer_.wait_until([&](const Bytes&) { return frames_.size() >= count; }, ms);
}

Bytes FramePeer::on_byte(std::uint8_t byte) {
    if (receiver_.push(byte) != vlp::FrameReceiver::Event::Frame) return {};
    frames_.emplace_back(receiver_.frame(), receiver_.frame() + receiver_.frame_length());
    return script_(frames_.back());
}

}  // namespace zav::test
