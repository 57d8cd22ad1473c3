#include "utility_packet.h"

#include <algorithm>

namespace zav::sim {

std::vector<std::uint8_t> utility_packet(std::uint8_t code, const std::vector<std::uint8_t>& data) {
    const std::size_t n = std::min(data.size(), kMaxPacketData);
    std::vector<std::uint8_t> packet(n + kPacketOverhead);
    packet[0] = kPacketStart;
    packet[1] = static_cast<std::uint8_t>(n);
    packet[2] = code;
    std::copy_n(data.begin(), n, packet.begin() + 3);
    packet.back() = xor_check(data.data(), n);
    return packet;
}

std::uint8_t xor_check(const std::uint8_t* data, std::size_t count) {
    std::uint8_t check = 0;
    for (std::size_t i = 0; i < count; ++i) check ^= data[i];
    return check;
}

void UtilityPacketReceiver::start(std::int64_t now_ms) {
    packet_.assign(1, kPacketStart);
    receiving_ = true;
    last_byte_ms_ = now_ms;
}

bool UtilityPacketReceiver::receiving(std::int64_t now_ms) {
    if (receiving_ && now_ms - last_byte_ms_ > kByteGapMs) receiving_ = false;
    return receiving_;
}

bool UtilityPacketReceiver::push(std::uint8_t byte, std::int64_t now_ms) {
    packet_.push_back(byte);
    last_byte_ms_ = now_ms;
    // The length byte is the second; the packet ends after length + 4 bytes.
    if (packet_.size() < 2 || packet_.size() < packet_[1] + kPacketOverhead) return false;
    receiving_ = false;
    return true;
}

}  // namespace zav::sim
