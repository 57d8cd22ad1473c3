// The exported calls: argument checks and the library state, the work done
// by the port table, byte I/O and packet code.
#include <algorithm>

#include "byte_io.h"
#include "line_mode.h"
#include "packets.h"
#include "port_table.h"
#include "zav_serial.h"

namespace zav::serial {

SerialState& library_state() {
    static SerialState state;
    return state;
}

}  // namespace zav::serial

using zav::serial::library_state;

namespace {

// How long read_serial_data waits for all the bytes it wants.
constexpr std::int64_t kReadTimeoutMs = 10000;
constexpr std::int16_t kInterfaceVersion = 3;

}  // namespace

extern "C" {

int16_t OpenPort(int8_t port, int32_t baud) {
    return zav::serial::open_port(library_state(), port, zav::serial::plain_mode(baud));
}

int16_t OpenPortAdvanced(int8_t port, int32_t baud, int32_t parity_code, int32_t stop_code) {
    const auto mode = zav::serial::advanced_mode(baud, parity_code, stop_code);
    if (!mode) return ZAV_SERIAL_BAD_LINE_SETTINGS;
    auto& state = library_state();
    state.active_port = 0;
    return zav::serial::open_port(state, port, *mode);
}

int16_t ClosePort(void) {
    zav::serial::close_active_port(library_state());
    return 0;
}

int16_t SetActivePort(int32_t port) {
    zav::serial::set_active_port(library_state(), port);
    return 0;
}

int16_t send_serial_data(const uint8_t* data, int32_t count) {
    return zav::serial::write_bytes(library_state().active, data, count);
}

int16_t read_serial_data(uint8_t* buffer, const int32_t* count) {
    const auto deadline = zav::platform::Deadline::after_ms(kReadTimeoutMs);
    if (!count || (*count > 0 && !buffer)) return ZAV_SERIAL_TIMEOUT;
    if (*count < 0) return ZAV_SERIAL_WRITE_FAILED;  // no count of bytes: refused
    return zav::serial::read_bytes(library_state().active, buffer, *count, deadline)
               ? ZAV_SERIAL_OK
               : ZAV_SERIAL_TIMEOUT;
}

int32_t get_length_of_queue(int32_t* error_word) {
    return zav::serial::queued_input(library_state().active, error_word);
}

int16_t SendCCTPacket(CCTPacket* packet) {
    return zav::serial::send_cct_packet(library_state(), packet);
}

int16_t SendMDCESPacket(CCTPacket* packet) {
    return zav::serial::send_mdces_packet(library_state(), packet);
}

int16_t SetCCTRetry(int32_t count, int32_t delay_ms) {
    auto& state = library_state();
    state.retry_count = std::max(count, 0);
    state.retry_delay_ms = std::max(delay_ms, 0);
    return 0;
}

int16_t SetCCTFloodProtect(int32_t gap_ms) {
    library_state().flood_gap_ms = std::max(gap_ms, 0);
    return 0;
}

int16_t GetVersion_ZAVSerial(void) {
    return kInterfaceVersion;
}

}  // extern "C"
