#include "raw_channel_host.h"

#include "zav/platform/clock.h"
#include "zav_serial.h"

namespace zav::sim::test {
namespace {

constexpr std::int32_t kBaud = 38400;
constexpr std::int32_t kNoParity = 3;
constexpr std::int32_t kTwoStopBits = 3;
constexpr std::uint8_t kPacketStart = 0x7F;

}  // namespace

int open_raw_channel(int port) {
    return OpenPortAdvanced(static_cast<std::int8_t>(port), kBaud, kNoParity, kTwoStopBits);
}

void close_raw_channel() {
    ClosePort();
}

void send_bytes(const Bytes& bytes) {
    send_serial_data(bytes.data(), static_cast<std::int32_t>(bytes.size()));
}

std::optional<Bytes> read_bytes(int count) {
    Bytes bytes(static_cast<std::size_t>(count));
    const std::int32_t wanted = count;
    if (read_serial_data(bytes.data(), &wanted) != 0) return std::nullopt;
    return bytes;
}

bool stays_silent(int ms) {
    // Silence is what is checked: the whole time must pass.
    platform::sleep_ms(ms);
    return get_length_of_queue(nullptr) == 0;
}

std::optional<ReceivedPacket> read_packet() {
    const auto head = read_bytes(2);
    if (!head || (*head)[0] != kPacketStart) return std::nullopt;
    const auto rest = read_bytes((*head)[1] + 2);
    if (!rest) return std::nullopt;
    ReceivedPacket received;
    received.packet.code = rest->front();
    received.packet.data.assign(rest->begin() + 1, rest->end() - 1);
    std::uint8_t check = 0;
    for (std::uint8_t b : received.packet.data) check ^= b;
    received.check_ok = check == rest->back();
    return received;
}

Bytes gain_packet(const Profile& profile) {
    Bytes packet = {kPacketStart, static_cast<std::uint8_t>(4 * profile.sensors.size()), 0x00};
    std::uint8_t check = 0;
    for (const SensorProfile& s : profile.sensors) {
        for (std::uint8_t b : {s.gain1, s.gain2, static_cast<std::uint8_t>(s.phase_delay >> 8),
                               static_cast<std::uint8_t>(s.phase_delay & 0xFF)}) {
            packet.push_back(b);
            check ^= b;
        }
    }
    packet.push_back(check);
    return packet;
}

}  // namespace zav::sim::test
