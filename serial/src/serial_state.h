#pragma once
// The library's process-wide state: the port table with its active port, and
// the packet settings.
#include <array>
#include <cstdint>
#include <memory>

#include "zav/platform/serial_device.h"

namespace zav::serial {

struct SerialState {
    // Devices by port number; an entry owns its device until ClosePort.
    std::array<std::unique_ptr<platform::SerialDevice>, 256> table;
    // The device every I/O call uses; one of the table's entries, or none.
    platform::SerialDevice* active = nullptr;
    // Number of the last port opened successfully; 0 = none (packet calls
    // refuse to run).
    std::uint8_t active_port = 0;
    // Tick count at which the last packet call finished.
    std::uint32_t last_packet_time = 0;
    std::int32_t flood_gap_ms = 0;
    std::int32_t retry_count = 0;
    std::int32_t retry_delay_ms = 0;
};

// The one state of this library, released (ports closed) when it unloads.
SerialState& library_state();

}  // namespace zav::serial
