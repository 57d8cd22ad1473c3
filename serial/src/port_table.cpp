#include "port_table.h"

#include "byte_io.h"
#include "line_mode.h"
#include "zav/platform/ports.h"
#include "zav_serial.h"

namespace zav::serial {

std::int16_t open_port(SerialState& state, std::int8_t port, const std::string& mode) {
    // Port numbers are signed bytes; a negative one has no table entry.
    if (port < 0) return ZAV_SERIAL_CANNOT_OPEN;
    auto& entry = state.table[static_cast<std::size_t>(port)];
    if (entry) return ZAV_SERIAL_OK;

    auto device = std::make_unique<platform::SerialDevice>();
    const std::string path = platform::port_device_path(port);
    if (path.empty() || !device->open(path)) {
        state.active = nullptr;
        return ZAV_SERIAL_CANNOT_OPEN;
    }
    entry = std::move(device);
    state.active = entry.get();

    // The kernel's queues have a fixed size and reads of the device never
    // block, so queue sizes and time-outs need no setting here.
    auto settings = parse_mode(mode);
    if (!settings) return ZAV_SERIAL_BAD_LINE_SETTINGS;
    // Hardware flow control stays as the driver has it.
    platform::LineSettings driver;
    if (!state.active->read_settings(&driver)) return ZAV_SERIAL_SETTINGS_REFUSED;
    settings->rts_cts = driver.rts_cts;
    if (!state.active->apply(*settings)) return ZAV_SERIAL_SETTINGS_REFUSED;

    state.active_port = static_cast<std::uint8_t>(port);
    state.last_packet_time = 0;
    drain_input(state.active);
    return ZAV_SERIAL_OK;
}

void close_active_port(SerialState& state) {
    if (!state.active) return;
    for (auto& entry : state.table) {
        if (entry.get() == state.active) {
            entry.reset();
            break;
        }
    }
    state.active = nullptr;
    state.active_port = 0;
}

void set_active_port(SerialState& state, std::int32_t number) {
    const bool in_table = number >= 0 && number < static_cast<std::int32_t>(state.table.size());
    state.active = in_table ? state.table[static_cast<std::size_t>(number)].get() : nullptr;
}

}  // namespace zav::serial
