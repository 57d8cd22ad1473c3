#include "zav/app/ram_utility_packet.h"

#include "zav/app/serial_api.h"

namespace zav::app {
namespace {

// Reads exactly `count` queued bytes; false when the library reports less.
bool readQueued(std::uint8_t* destination, std::int32_t count) {
    return Serial().read_serial_data(destination, &count) == kSerialOk;
}

std::uint8_t xorOf(const std::uint8_t* bytes, std::size_t count) {
    std::uint8_t check = 0;
    for (std::size_t i = 0; i < count; ++i) check ^= bytes[i];
    return check;
}

}  // namespace

bool ReceiveUtilityPacket(std::int32_t waiting, RamUtilityPacket& packet) {
    if (waiting < 1) return false;
    if (!packet.InPacket) {
        std::uint8_t byte = 0;
        if (!readQueued(&byte, 1)) return false;
        if (byte == kPacketStart) {
            packet.InPacket = true;
            packet.TotalLength = 0;
            packet.Buffer[0] = byte;
        } else {
            packet.Code = (byte == kAcknowledge || byte == kStatus81) ? byte : 0;
        }
        return false;
    }
    if (packet.TotalLength == 0) {
        std::uint8_t length = 0;
        if (!readQueued(&length, 1)) return false;
        if (length > kMaxReceivedDataLength) {
            packet.InPacket = false;
            return false;
        }
        packet.TotalLength = static_cast<std::uint8_t>(length + 4);
        packet.Buffer[1] = length;
        packet.DataLength = length;
        return false;
    }
    const int rest = packet.TotalLength - 2;  // code, data and check byte
    if (waiting < rest) return false;
    if (!readQueued(&packet.Buffer[2], rest)) return false;
    const int last = packet.TotalLength - 1;
    if (xorOf(&packet.Buffer[3], static_cast<std::size_t>(last - 3)) != packet.Buffer[last]) {
        return false;
    }
    for (int j = 0; j < packet.DataLength; ++j) packet.Data[j] = packet.Buffer[j + 3];
    packet.Code = packet.Buffer[2];
    packet.Buffer[0] = 0;
    packet.TotalLength = 0;
    return true;
}

std::optional<std::vector<std::uint8_t>> SensorGainPacket(const ValidatorData& data) {
    const int sensors = data.SensorCount;
    if (sensors < 0 || sensors > kMaxGainSensors) return std::nullopt;
    const auto covers = [sensors](const auto& list) {
        return list.size() >= static_cast<std::size_t>(sensors);
    };
    if (!covers(data.Gain1) || !covers(data.Gain2) || !covers(data.PhaseDelay)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> packet{kPacketStart, static_cast<std::uint8_t>(4 * sensors), 0x00};
    for (int i = 0; i < sensors; ++i) {
        const auto phaseDelay = static_cast<std::uint16_t>(data.PhaseDelay[i]);
        packet.push_back(data.Gain1[i]);
        packet.push_back(data.Gain2[i]);
        packet.push_back(static_cast<std::uint8_t>(phaseDelay / 256));
        packet.push_back(static_cast<std::uint8_t>(phaseDelay % 256));
    }
    packet.push_back(xorOf(packet.data() + 3, packet.size() - 3));
    return packet;
}

}  // namespace zav::app
