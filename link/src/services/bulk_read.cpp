#include "bulk_read.h"

#include <algorithm>
#include <iterator>

#include "download/open_and_sync.h"
#include "vlp_frame.h"
#include "zav/platform/clock.h"

namespace zav::link {
namespace {

constexpr std::size_t kRequestLength = 16;
constexpr std::int64_t kDrainLimitMs = 1000;
constexpr std::int64_t kArrivalLimitMs = 2000;

void put_le32(std::uint32_t value, std::uint8_t* out) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

void build_bulk_request(std::uint32_t address, std::uint32_t count, std::uint8_t* out) {
    const std::uint8_t head[] = {vlp::kStartByte, 0x00, 0x0B, 0x30, 0x05, 0x78};
    std::copy(std::begin(head), std::end(head), out);
    put_le32(address, out + 6);
    put_le32(count, out + 10);
    const std::uint16_t crc = vlp::crc16(out + 1, 13);
    out[14] = static_cast<std::uint8_t>(crc & 0xFF);
    out[15] = static_cast<std::uint8_t>(crc >> 8);
}

std::int32_t get_bulk_data(ProtocolState& protocol, Port& port, Transaction& transaction,
                           int port_number, std::uint32_t address, std::uint32_t count,
                           std::uint8_t* dest) {
    ReaderRouting& routing = port.routing();
    routing.set_verify_mode(false);
    if (const std::int32_t opened =
            download::open_and_sync(protocol, port, transaction, port_number))
        return opened;

    std::uint8_t request[kRequestLength];
    build_bulk_request(address, count, request);
    const std::size_t expected = std::size_t{count} + 1;
    routing.start_bulk(dest, expected);
    routing.clear_transmit_empty();
    bool arrived = false;
    if (port.write_raw(ByteSpan(request, sizeof request)) &&
        routing.wait_until(platform::Deadline::after_ms(kDrainLimitMs),
                           [&] { return routing.transmit_empty(); })) {
        arrived = routing.wait_until(platform::Deadline::after_ms(kArrivalLimitMs),
                                     [&] { return routing.bulk_count() >= expected; });
    }
    routing.stop_bulk();
    port.close();
    protocol.address_override.store(ProtocolState::kNoAddressOverride);
    return arrived ? 1 : 0;
}

}  // namespace zav::link
