#pragma once
// Packets of the RAM utility's channel: 0x7F, length n, code, n data bytes,
// then the XOR of the data bytes. There is no byte stuffing, so a packet is
// found by its start byte and then counted out by its length.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zav::sim {

constexpr std::uint8_t kPacketStart = 0x7F;
constexpr std::size_t kPacketOverhead = 4;  // start, length, code, check
constexpr std::size_t kMaxPacketData = 255;

// The whole packet for code and data (at most 255 data bytes; more are cut).
std::vector<std::uint8_t> utility_packet(std::uint8_t code, const std::vector<std::uint8_t>& data);

// XOR of count bytes.
std::uint8_t xor_check(const std::uint8_t* data, std::size_t count);

// Counts a packet out byte by byte after its start byte. A pause of more
// than the byte gap abandons it, so a host that stopped halfway through does
// not make the next commands vanish into a packet.
class UtilityPacketReceiver {
  public:
    static constexpr std::int64_t kByteGapMs = 200;

    // Begins a packet with its start byte, received at now_ms.
    void start(std::int64_t now_ms);
    // True while a packet is being received and the gap since its last byte
    // (at now_ms) is not too long; false otherwise, and the packet is dropped.
    bool receiving(std::int64_t now_ms);
    // Adds the next byte; true when it completed the packet, which packet()
    // then holds whole, start byte first.
    bool push(std::uint8_t byte, std::int64_t now_ms);
    const std::vector<std::uint8_t>& packet() const { return packet_; }

  private:
    std::vector<std::uint8_t> packet_;
    bool receiving_ = false;
    std::int64_t last_byte_ms_ = 0;
};

}  // namespace zav::sim
