#pragma once
// The VLP frame: 0x7F, address/sequence, length n, n data bytes, CRCL, CRCH.
// CRC-16 (polynomial 0x8005, MSB first, initial 0xFFFF) over the address,
// length and data; every 0x7F after the start byte is sent twice.
// Shared by the link library (host side) and the simulator (device side).
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zav::vlp {

constexpr std::uint8_t kStartByte = 0x7F;
constexpr std::uint8_t kSequenceBit = 0x80;
constexpr std::size_t kMaxDataLength = 250;
constexpr std::size_t kFrameOverhead = 5;                                 // start, addr, len, CRC
constexpr std::size_t kMaxFrameLength = kMaxDataLength + kFrameOverhead;  // 255
constexpr std::size_t kMaxStuffedLength = 1 + 2 * (kMaxFrameLength - 1);  // 509

// CRC over count bytes, continuing from crc.
std::uint16_t crc16(const std::uint8_t* bytes, std::size_t count, std::uint16_t crc = 0xFFFF);

// Writes the unstuffed frame for addr_seq and the data bytes to out (at
// least count + 5 bytes). count must be at most kMaxDataLength. Returns the
// frame length.
std::size_t build_frame(std::uint8_t addr_seq, const std::uint8_t* data, std::size_t count,
                        std::uint8_t* out);

// Doubles every 0x7F after the start byte. out must hold 2 * length bytes.
// Returns the stuffed length.
std::size_t stuff(const std::uint8_t* frame, std::size_t length, std::uint8_t* out);

// The same as vectors, for hosts and peers that build a frame at a time:
// the unstuffed frame (data beyond kMaxDataLength is left off), a frame
// stuffed, and the stuffed frame as it goes on the wire.
std::vector<std::uint8_t> frame_of(std::uint8_t addr_seq, const std::vector<std::uint8_t>& data);
std::vector<std::uint8_t> stuffed(const std::vector<std::uint8_t>& frame);
std::vector<std::uint8_t> wire_frame(std::uint8_t addr_seq, const std::vector<std::uint8_t>& data);

// Assembles frames from received bytes, one byte at a time. Never writes past
// its buffer: a length byte above kMaxDataLength (or 0) marks the frame
// invalid and the receiver waits for the next start byte.
class FrameReceiver {
  public:
    enum class Event { None, Frame, BadCrc };

    Event push(std::uint8_t byte);
    void reset();

    // The frame just completed (unstuffed, start byte first).
    const std::uint8_t* frame() const { return buffer_.data(); }
    std::size_t frame_length() const { return expected_; }
    std::uint8_t address_sequence() const { return buffer_[1]; }
    std::uint8_t data_length() const { return buffer_[2]; }
    const std::uint8_t* data() const { return buffer_.data() + 3; }

  private:
    std::array<std::uint8_t, 256> buffer_{};
    std::size_t index_ = 0;
    std::size_t expected_ = 0;
    bool previous_was_start_ = false;
    bool in_frame_ = false;
};

}  // namespace zav::vlp
