#include "byte_peer.h"

#include <chrono>
#include <string>

#include "zav/platform/port_override.h"

namespace zav::app::test {

BytePeer::Script BytePeer::answer(std::uint8_t command, Bytes answer) {
    return [command, answer](const Bytes& received) {
        return !received.empty() && received.back() == command ? answer : Bytes{};
    };
}

BytePeer::~BytePeer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopWaker_.wake();
    if (thread_.joinable()) thread_.join();
}

bool BytePeer::start(int portNumber, Script script) {
    if (!pty_.open() || !platform::set_port_override(portNumber, pty_.slave_path())) return false;
    script_ = std::move(script);
    thread_ = std::thread([this] { serve(); });
    return true;
}

void BytePeer::send(const Bytes& bytes) {
    std::lock_guard lock(mutex_);
    writeAll(bytes);
}

Bytes BytePeer::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

bool BytePeer::waitReceived(std::size_t count, int ms) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::milliseconds(ms),
                             [&] { return received_.size() >= count; });
}

void BytePeer::serve() {
    std::uint8_t buffer[512];
    for (;;) {
        platform::PseudoTerminal::Readiness ready;
        if (!pty_.wait(platform::Deadline::never(), false, stopWaker_, &ready)) return;
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        if (ready.woken) stopWaker_.clear();
        const long n = pty_.read_some(buffer, sizeof buffer);
        if (n <= 0) continue;
        received_.insert(received_.end(), buffer, buffer + n);
        arrived_.notify_all();
        writeAll(script_(received_));
    }
}

// The caller holds mutex_. Answers are short; the pty has room for them.
void BytePeer::writeAll(const Bytes& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const long written = pty_.write_some(bytes.data() + done, bytes.size() - done);
        if (written < 0) return;
        done += static_cast<std::size_t>(written);
        platform::PseudoTerminal::Readiness ready;
        if (written == 0 &&
            !pty_.wait(platform::Deadline::after_ms(100), true, stopWaker_, &ready)) {
            return;
        }
    }
}

}  // namespace zav::app::test
