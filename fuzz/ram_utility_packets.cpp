// Bytes from the RAM utility into its packet receiver. The serial library is
// replaced by a queue holding the input after its first byte, which limits
// how many bytes each step is told are waiting (0 = all), so packets that
// arrive in pieces are taken too.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz_input.h"
#include "zav/app/ram_utility_packet.h"
#include "zav/app/serial_api.h"

namespace {

std::vector<std::uint8_t> queue;
std::size_t taken = 0;

std::int32_t queued() {
    return static_cast<std::int32_t>(queue.size() - taken);
}

std::int16_t ReadSerialData(std::uint8_t* buffer, const std::int32_t* count) {
    if (!count || *count < 0 || *count > queued()) return 2;
    std::memcpy(buffer, queue.data() + taken, static_cast<std::size_t>(*count));
    taken += static_cast<std::size_t>(*count);
    return 0;
}
std::int32_t QueueLength(std::int32_t* errors) {
    if (errors) *errors = 0;
    return queued();
}
std::int16_t OpenPortAdvanced(std::int8_t, std::int32_t, std::int32_t, std::int32_t) {
    return 0;
}
std::int16_t SendSerialData(const std::uint8_t*, std::int32_t) {
    return 0;
}
std::int16_t ClosePort() {
    return 0;
}

constexpr zav::app::SerialApi kSerial{OpenPortAdvanced, SendSerialData, ReadSerialData, QueueLength,
                                      ClosePort};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zav::app::OverrideSerialApi(&kSerial);
    zav::fuzz::FuzzInput input(data, size);
    const int step = input.byte();
    queue = input.rest();
    taken = 0;
    zav::app::RamUtilityPacket packet;
    while (queued() > 0) {
        const std::size_t before = taken;
        const std::int32_t waiting = step == 0 ? queued() : std::min(queued(), step);
        if (zav::app::ReceiveUtilityPacket(waiting, packet)) packet.InPacket = false;
        if (taken == before) {
            // The rest of a packet is not all there: only more bytes help.
            if (waiting == queued()) break;
            zav::app::ReceiveUtilityPacket(queued(), packet);
            if (taken == before) break;
        }
    }
    return 0;
}
