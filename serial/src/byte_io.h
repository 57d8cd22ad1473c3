#pragma once
// Byte-at-a-time I/O on the active device, shared by the raw calls and the
// packet calls. A missing device (no active port) fails like a dead one.
#include <cstdint>

#include "zav/platform/clock.h"
#include "zav/platform/serial_device.h"

namespace zav::serial {

// Writes count bytes one at a time. Returns 0, 9 when a byte found no room
// in the output queue within a second, 10 when a write failed.
std::int16_t write_bytes(platform::SerialDevice* device, const std::uint8_t* data,
                         std::int32_t count);

// Reads count bytes one at a time into buffer, blocking in the system while
// nothing is queued. True once all have arrived; false when the deadline
// passes first (a dead device waits out the deadline too, so the caller
// sees the same timing either way).
bool read_bytes(platform::SerialDevice* device, std::uint8_t* buffer, std::int32_t count,
                const platform::Deadline& deadline);

// Reads and discards whatever is queued now.
void drain_input(platform::SerialDevice* device);

// Bytes in the input queue; on failure 0 with the system error in *error.
std::int32_t queued_input(const platform::SerialDevice* device, std::int32_t* error);

}  // namespace zav::serial
