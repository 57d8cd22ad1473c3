#include "packets.h"

#include <cstring>

#include "byte_io.h"
#include "zav/platform/clock.h"

namespace zav::serial {
namespace {

// Each frame (the echo, then the reply) must be complete within this time.
constexpr std::int64_t kFrameTimeoutMs = 300;
// Destination, length, source, header before the data; checksum after it.
constexpr int kFrameOverhead = 5;
constexpr int kHeaderLength = 4;
// The largest n whose frame fits the 256-byte frame areas.
constexpr int kMaxDataLength = 256 - kFrameOverhead;

constexpr std::uint8_t kHeaderAck = 0;
constexpr std::uint8_t kHeaderNak = 5;
constexpr std::uint8_t kHeaderBusy = 6;

std::uint8_t byte_sum(const std::uint8_t* bytes, int count) {
    unsigned sum = 0;
    for (int i = 0; i < count; ++i) sum += bytes[i];
    return static_cast<std::uint8_t>(sum);
}

// Builds the frame into tx_frame, resets the reply kind and returns the frame
// length (256 for 251 data bytes, which the record's length byte shows as 0).
int build_frame(CCTPacket& p) {
    const int n = p.data_length;
    p.tx_frame[0] = p.destination;
    p.tx_frame[1] = p.data_length;
    p.tx_frame[2] = p.source;
    p.tx_frame[3] = p.header;
    std::memcpy(&p.tx_frame[kHeaderLength], p.tx_data, static_cast<std::size_t>(n));
    p.tx_frame[kHeaderLength + n] =
        static_cast<std::uint8_t>(-byte_sum(p.tx_frame, kHeaderLength + n));
    p.frame_length = static_cast<std::uint8_t>(n + kFrameOverhead);
    p.reply_kind = ZAV_CCT_REPLY_SENDING;
    return n + kFrameOverhead;
}

// Reads one frame into rx_frame within kFrameTimeoutMs. A length byte whose
// frame would not fit the receive area ends the read as a time-out, with
// no received data length (the byte is no length of anything received).
std::int16_t read_frame(platform::SerialDevice* device, CCTPacket& p) {
    const auto deadline = platform::Deadline::after_ms(kFrameTimeoutMs);
    std::memset(p.rx_frame, 0, sizeof p.rx_frame);
    if (!read_bytes(device, p.rx_frame, 2, deadline)) return ZAV_SERIAL_TIMEOUT;
    p.rx_data_length = p.rx_frame[1];
    if (p.rx_data_length > kMaxDataLength) {
        p.rx_data_length = 0;
        return ZAV_SERIAL_TIMEOUT;
    }
    if (!read_bytes(device, &p.rx_frame[2], p.rx_data_length + kFrameOverhead - 2, deadline))
        return ZAV_SERIAL_TIMEOUT;
    return ZAV_SERIAL_OK;
}

// Sends the frame, then reads the echo of the shared line and the reply into
// rx_frame.
std::int16_t exchange(platform::SerialDevice* device, CCTPacket& p) {
    const int length = build_frame(p);
    std::int16_t result = write_bytes(device, p.tx_frame, length);
    if (result == ZAV_SERIAL_OK) result = read_frame(device, p);
    if (result == ZAV_SERIAL_OK) result = read_frame(device, p);
    return result;
}

std::uint8_t reply_kind(const CCTPacket& p) {
    if (p.rx_data_length != 0) return ZAV_CCT_REPLY_DATA;
    switch (p.rx_frame[3]) {
        case kHeaderAck:
            return ZAV_CCT_REPLY_ACK;
        case kHeaderNak:
            return ZAV_CCT_REPLY_NAK;
        case kHeaderBusy:
            return ZAV_CCT_REPLY_BUSY;
        default:
            return ZAV_CCT_REPLY_DATA;
    }
}

// Blocks until the flood gap has passed since the last packet call ended.
void wait_flood_gap(const SerialState& state) {
    const auto gap = static_cast<std::uint32_t>(state.flood_gap_ms);
    for (;;) {
        const std::uint32_t elapsed = platform::tick_count() - state.last_packet_time;
        if (elapsed >= gap) return;
        platform::sleep_ms(gap - elapsed);
    }
}

// The frame of the two packet calls around their exchanges: refusals, the
// flood gap before and the last-packet time after.
template <typename Exchanges>
std::int16_t packet_call(SerialState& state, CCTPacket* packet, Exchanges exchanges) {
    if (state.active_port == 0) return ZAV_SERIAL_NOT_OPEN;
    if (!packet || packet->data_length > kMaxDataLength) return ZAV_SERIAL_WRITE_FAILED;
    wait_flood_gap(state);
    const std::int16_t result = exchanges(*packet);
    state.last_packet_time = platform::tick_count();
    return result;
}

}  // namespace

std::int16_t send_cct_packet(SerialState& state, CCTPacket* packet) {
    return packet_call(state, packet, [&state](CCTPacket& p) {
        std::int16_t result;
        std::int64_t attempt = 0;
        do {
            drain_input(state.active);
            if (attempt > 0) platform::sleep_ms(state.retry_delay_ms);
            result = exchange(state.active, p);
            if (result == ZAV_SERIAL_OK) {
                std::memcpy(p.rx_data, &p.rx_frame[kHeaderLength], p.rx_data_length);
                p.reply_kind = reply_kind(p);
                if (byte_sum(p.rx_frame, p.rx_data_length + kFrameOverhead) != 0)
                    result = ZAV_SERIAL_BAD_CHECKSUM;
            }
            ++attempt;
        } while (result != ZAV_SERIAL_OK && attempt <= state.retry_count);
        return result;
    });
}

std::int16_t send_mdces_packet(SerialState& state, CCTPacket* packet) {
    return packet_call(state, packet, [&state](CCTPacket& p) {
        drain_input(state.active);
        const std::int16_t result = exchange(state.active, p);
        if (result == ZAV_SERIAL_OK) {
            std::memcpy(p.rx_data, p.rx_frame, sizeof p.rx_data);
            p.reply_kind = p.data_length > 0 ? ZAV_CCT_REPLY_DATA : ZAV_CCT_REPLY_SENDING;
        }
        return result;
    });
}

}  // namespace zav::serial
