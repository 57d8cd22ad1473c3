#pragma once
// Framed packets of the RAM utility channel: 0x7F, length n, code, n data
// bytes, XOR of the data bytes. No byte stuffing. The validator sends its
// test results this way; the program sends the sensor-gain block.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "zav/app/validator_data.h"

namespace zav::app {

constexpr std::uint8_t kPacketStart = 0x7F;
constexpr std::uint8_t kAcknowledge = 0x80;
constexpr std::uint8_t kStatus81 = 0x81;
// The length byte of a packet the receiver takes: n + 4 must fit one byte.
constexpr int kMaxReceivedDataLength = 251;
// The gain block carries four bytes a sensor in its one length byte.
constexpr int kMaxGainSensors = 63;

// Receiver state of one RAM utility packet.
struct RamUtilityPacket {
    std::uint8_t DataLength = 0;             // n of the packet being received
    std::uint8_t TotalLength = 0;            // n + 4 once the length byte is in; 0 before
    std::array<std::uint8_t, 257> Buffer{};  // the raw packet, start byte at 0
    std::array<std::uint8_t, 257> Data{};    // payload of the last complete packet
    // Code of the last complete packet, or the last status byte (0x80, 0x81)
    // seen outside a packet, or 0.
    std::uint8_t Code = 0;
    bool InPacket = false;  // a start byte was seen and the packet is not done
};

// Takes the next step of receiving a packet from the serial library, given
// the number of bytes `waiting` in its queue: outside a packet one byte
// (a start byte, which begins a fresh packet, a status byte or junk), then
// the length byte, then, once all of them are queued, the code, data and
// check byte in one read. Returns true
// when this call completed a packet whose check byte is right; then Data,
// Code and DataLength describe it and InPacket stays set until the caller
// clears it. A wrong check byte returns false and keeps the state. A length
// above 251 is not a packet: it is dropped and the receiver waits for the
// next start byte. Never reads more than `waiting` bytes.
bool ReceiveUtilityPacket(std::int32_t waiting, RamUtilityPacket& packet);

// The sensor-gain block for `data`: 7F, 4 x SensorCount, 00, then per sensor
// Gain1, Gain2, PhaseDelay high and low byte, then the XOR of those bytes.
// Empty when it cannot be built: more than 63 sensors (the length byte would
// overflow) or lists that do not cover SensorCount sensors.
std::optional<std::vector<std::uint8_t>> SensorGainPacket(const ValidatorData& data);

}  // namespace zav::app
