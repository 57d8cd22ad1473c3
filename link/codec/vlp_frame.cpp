#include "vlp_frame.h"

namespace zav::vlp {
namespace {

constexpr std::array<std::uint16_t, 256> make_crc_table() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t value = static_cast<std::uint16_t>(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            value =
                static_cast<std::uint16_t>((value & 0x8000) ? (value << 1) ^ 0x8005 : value << 1);
        table[i] = value;
    }
    return table;
}

constexpr auto kCrcTable = make_crc_table();
static_assert(kCrcTable[1] == 0x8005);

}  // namespace

std::uint16_t crc16(const std::uint8_t* bytes, std::size_t count, std::uint16_t crc) {
    for (std::size_t i = 0; i < count; ++i)
        crc = static_cast<std::uint16_t>((crc << 8) ^ kCrcTable[((crc >> 8) ^ bytes[i]) & 0xFF]);
    return crc;
}

std::size_t build_frame(std::uint8_t addr_seq, const std::uint8_t* data, std::size_t count,
                        std::uint8_t* out) {
    out[0] = kStartByte;
    out[1] = addr_seq;
    out[2] = static_cast<std::uint8_t>(count);
    for (std::size_t i = 0; i < count; ++i) out[3 + i] = data[i];
    const std::uint16_t crc = crc16(out + 1, count + 2);
    out[3 + count] = static_cast<std::uint8_t>(crc & 0xFF);
    out[4 + count] = static_cast<std::uint8_t>(crc >> 8);
    return count + kFrameOverhead;
}

std::size_t stuff(const std::uint8_t* frame, std::size_t length, std::uint8_t* out) {
    if (length == 0) return 0;
    std::size_t n = 0;
    out[n++] = frame[0];
    for (std::size_t i = 1; i < length; ++i) {
        out[n++] = frame[i];
        if (frame[i] == kStartByte) out[n++] = kStartByte;
    }
    return n;
}

std::vector<std::uint8_t> frame_of(std::uint8_t addr_seq, const std::vector<std::uint8_t>& data) {
    const std::size_t count = data.size() < kMaxDataLength ? data.size() : kMaxDataLength;
    std::vector<std::uint8_t> frame(count + kFrameOverhead);
    build_frame(addr_seq, data.data(), count, frame.data());
    return frame;
}

std::vector<std::uint8_t> stuffed(const std::vector<std::uint8_t>& frame) {
    std::vector<std::uint8_t> wire(frame.size() * 2);
    wire.resize(stuff(frame.data(), frame.size(), wire.data()));
    return wire;
}

std::vector<std::uint8_t> wire_frame(std::uint8_t addr_seq, const std::vector<std::uint8_t>& data) {
    return stuffed(frame_of(addr_seq, data));
}

void FrameReceiver::reset() {
    index_ = 0;
    expected_ = 0;
    previous_was_start_ = false;
    in_frame_ = false;
}

FrameReceiver::Event FrameReceiver::push(std::uint8_t byte) {
    if (previous_was_start_) {
        previous_was_start_ = false;
        if (byte == kStartByte) return Event::None;  // the stuffed copy
        buffer_[0] = kStartByte;
        buffer_[1] = byte;
        index_ = 2;
        expected_ = 0;
        in_frame_ = true;
        return Event::None;
    }
    if (byte == kStartByte) previous_was_start_ = true;
    if (!in_frame_) return Event::None;  // noise between frames

    buffer_[index_++] = byte;
    if (index_ == 3) {
        if (byte == 0 || byte > kMaxDataLength) {
            in_frame_ = false;
            return Event::None;
        }
        expected_ = byte + kFrameOverhead;
    }
    if (index_ < 3 || index_ != expected_) return Event::None;

    in_frame_ = false;
    const std::uint16_t crc = crc16(buffer_.data() + 1, expected_ - 3);
    const bool ok = buffer_[expected_ - 2] == (crc & 0xFF) && buffer_[expected_ - 1] == (crc >> 8);
    return ok ? Event::Frame : Event::BadCrc;
}

}  // namespace zav::vlp
