// Replies from the line into the serial library's packet calls (SendCCTPacket
// with its retry, SendMDCESPacket) and its raw reads, over a pseudo-terminal.
// A peer thread answers every frame the library writes with the input's
// bytes: the echo frame, then the reply frame, each made whole with zeros,
// so the library always finds what its length bytes promise (a length byte
// the library refuses ends the answer there) and no run waits out a
// time-out.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "fuzz_input.h"
#include "zav/platform/pseudo_terminal.h"
#include "zav_serial.h"

namespace {

constexpr int kPortNumber = 120;
constexpr std::size_t kFrameOverhead = 5;
constexpr std::uint8_t kLongestData = 251;

// The two frames the library reads, from the input's bytes.
std::vector<std::uint8_t> WholeFrames(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out;
    std::size_t next = 0;
    const auto take = [&] { out.push_back(next < bytes.size() ? bytes[next++] : 0); };
    for (int frame = 0; frame < 2; ++frame) {
        take();
        take();
        const std::uint8_t length = out.back();
        if (length > kLongestData) break;
        for (std::size_t i = 2; i < length + kFrameOverhead; ++i) take();
    }
    return out;
}

class Peer {
  public:
    bool start() {
        if (!pty_.open()) return false;
        setenv(("ZAV_COM" + std::to_string(kPortNumber)).c_str(), pty_.slave_path().c_str(), 1);
        thread_ = std::thread([this] { serve(); });
        return true;
    }
    zav::platform::PseudoTerminal& line() { return pty_; }

    // The answer to each frame of `frameLength` bytes the library writes.
    void answer(std::size_t frameLength, std::vector<std::uint8_t> answer) {
        std::lock_guard lock(mutex_);
        frameLength_ = frameLength;
        answer_ = std::move(answer);
        received_ = 0;
    }

  private:
    void serve() {
        zav::platform::Waker never;
        std::uint8_t bytes[600];
        for (;;) {
            zav::platform::PseudoTerminal::Readiness ready;
            pty_.wait(zav::platform::Deadline::after_ms(1000), false, never, &ready);
            const long got = pty_.read_some(bytes, sizeof bytes);
            if (got <= 0) continue;
            std::vector<std::uint8_t> reply;
            {
                std::lock_guard lock(mutex_);
                received_ += static_cast<std::size_t>(got);
                if (frameLength_ == 0 || received_ < frameLength_) continue;
                received_ -= frameLength_;
                reply = answer_;
            }
            write(reply);
        }
    }
    void write(const std::vector<std::uint8_t>& bytes) {
        zav::platform::Waker never;
        for (std::size_t sent = 0; sent < bytes.size();) {
            const long n = pty_.write_some(bytes.data() + sent, bytes.size() - sent);
            if (n < 0) return;
            if (n == 0) {
                zav::platform::PseudoTerminal::Readiness ready;
                pty_.wait(zav::platform::Deadline::after_ms(100), true, never, &ready);
            }
            sent += static_cast<std::size_t>(n);
        }
    }

    zav::platform::PseudoTerminal pty_;
    std::thread thread_;
    std::mutex mutex_;  // guards the answer and the count of bytes received
    std::size_t frameLength_ = 0;
    std::vector<std::uint8_t> answer_;
    std::size_t received_ = 0;
};

Peer& ThePeer() {
    static Peer* peer = [] {
        auto* started = new Peer;  // serves for the whole run
        if (!started->start() || OpenPortAdvanced(kPortNumber, 38400, 3, 1) != 0) std::abort();
        return started;
    }();
    return *peer;
}

// Raw bytes straight into the input queue, then a read of a count the input
// chooses (at most what is queued, so no read waits its 10 seconds).
void RawRead(zav::fuzz::FuzzInput& input) {
    const int wanted = static_cast<std::int8_t>(input.byte());
    const std::vector<std::uint8_t> bytes = input.rest();
    ThePeer().answer(0, {});
    for (std::size_t sent = 0; sent < bytes.size();) {
        const long n = ThePeer().line().write_some(bytes.data() + sent, bytes.size() - sent);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
    std::int32_t queued = 0;
    for (int i = 0; i < 200 && queued < static_cast<std::int32_t>(bytes.size()); ++i) {
        queued = get_length_of_queue(nullptr);
        if (queued < static_cast<std::int32_t>(bytes.size())) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    std::vector<std::uint8_t> buffer(bytes.size() + 1);
    const std::int32_t count = wanted < 0 ? wanted : std::min<std::int32_t>(wanted, queued);
    read_serial_data(buffer.data(), &count);
    const std::int32_t left = get_length_of_queue(nullptr);
    if (left > 0) read_serial_data(buffer.data(), &left);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Peer& peer = ThePeer();
    zav::fuzz::FuzzInput input(data, size);
    const std::uint8_t call = input.byte();
    if (call % 3 == 2) {
        RawRead(input);
        return 0;
    }
    CCTPacket packet{};
    packet.header = input.byte();
    packet.destination = 2;
    packet.source = 1;
    packet.data_length = input.byte() % 8;
    input.bytes(packet.tx_data, packet.data_length);
    peer.answer(packet.data_length + kFrameOverhead, WholeFrames(input.rest()));
    SetCCTRetry(call & 0x80 ? 1 : 0, 0);
    if (call % 3 == 0) {
        SendCCTPacket(&packet);
    } else {
        SendMDCESPacket(&packet);
    }
    return 0;
}
