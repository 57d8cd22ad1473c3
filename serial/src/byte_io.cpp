#include "byte_io.h"

#include <cerrno>

#include "zav_serial.h"

namespace zav::serial {
namespace {

// A serial line frees room for the next byte within a character time; a
// line that takes longer than this has stalled (a pseudo-terminal nobody
// reads), and the write gives up instead of hanging.
constexpr std::int64_t kByteWriteLimitMs = 1000;

// Nothing can arrive from a missing or failed device; the read still ends at
// its deadline, as it would on a silent line.
void wait_out(const platform::Deadline& deadline) {
    platform::sleep_ms(deadline.remaining_ms64());
}

// Blocks until input is queued (true) or the deadline passes (false).
bool wait_for_input(const platform::SerialDevice& device, const platform::Deadline& deadline) {
    const platform::WaitResult result = device.wait_input(deadline);
    if (result == platform::WaitResult::Ready) return true;
    if (result != platform::WaitResult::Timeout) wait_out(deadline);
    return false;
}

}  // namespace

std::int16_t write_bytes(platform::SerialDevice* device, const std::uint8_t* data,
                         std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
        if (!device || !data) return ZAV_SERIAL_WRITE_FAILED;
        const long written = device->write_some(&data[i], 1);
        if (written < 0) return ZAV_SERIAL_WRITE_FAILED;
        if (written == 0 &&
            device->write_all(&data[i], 1, platform::Deadline::after_ms(kByteWriteLimitMs)) != 1)
            return ZAV_SERIAL_NOTHING_WRITTEN;
    }
    return ZAV_SERIAL_OK;
}

bool read_bytes(platform::SerialDevice* device, std::uint8_t* buffer, std::int32_t count,
                const platform::Deadline& deadline) {
    std::int32_t got = 0;
    while (got < count) {
        if (deadline.expired()) return false;
        const long n = device ? device->read_some(&buffer[got], 1) : -1;
        if (n == 1) {
            ++got;
        } else if (n < 0) {
            wait_out(deadline);
            return false;
        } else if (!wait_for_input(*device, deadline)) {
            return false;
        }
    }
    return true;
}

void drain_input(platform::SerialDevice* device) {
    if (!device) return;
    std::uint8_t discard[64];
    while (device->read_some(discard, sizeof discard) > 0) {
    }
}

std::int32_t queued_input(const platform::SerialDevice* device, std::int32_t* error) {
    const int queued = device ? device->input_queued() : -1;
    if (queued < 0) {
        if (error) *error = device ? errno : EBADF;
        return 0;
    }
    if (error) *error = 0;
    return queued;
}

}  // namespace zav::serial
