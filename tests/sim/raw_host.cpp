#include "raw_host.h"

#include "zav/platform/clock.h"

namespace zav::sim::test {

bool RawHost::open(const std::string& path) {
    return device_.open(path) && device_.apply({9600, 8, platform::Parity::None, 1});
}

void RawHost::send(std::uint8_t addr_seq, const Bytes& data) {
    send_raw(wire_frame(addr_seq, data));
}

void RawHost::send_raw(const Bytes& bytes) {
    device_.write_all(bytes.data(), bytes.size(), platform::Deadline::after_ms(1000));
}

std::optional<ReceivedFrame> RawHost::receive(int timeout_ms) {
    raw_.clear();
    const auto deadline = platform::Deadline::after_ms(timeout_ms);
    for (;;) {
        std::uint8_t byte;
        while (device_.read_some(&byte, 1) == 1) {
            raw_.push_back(byte);
            const auto event = receiver_.push(byte);
            if (event == vlp::FrameReceiver::Event::BadCrc) ++bad_crc_;
            if (event != vlp::FrameReceiver::Event::Frame) continue;
            ReceivedFrame frame;
            frame.addr_seq = receiver_.address_sequence();
            frame.data.assign(receiver_.data(), receiver_.data() + receiver_.data_length());
            return frame;
        }
        if (device_.wait_input(deadline) != platform::WaitResult::Ready) return std::nullopt;
    }
}

Bytes RawHost::receive_raw(int timeout_ms) {
    Bytes bytes;
    const auto deadline = platform::Deadline::after_ms(timeout_ms);
    while (device_.wait_input(deadline) == platform::WaitResult::Ready) {
        std::uint8_t buffer[256];
        const long n = device_.read_some(buffer, sizeof buffer);
        if (n <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

}  // namespace zav::sim::test
