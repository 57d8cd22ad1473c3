#pragma once
// The serial library calls the program uses, bound by name at first use.
// (The library's header is not included here: it declares an OpenPort of its
// own that would clash with the link library's.)
#include <cstdint>

namespace zav::app {

struct SerialApi {
    std::int16_t (*OpenPortAdvanced)(std::int8_t port, std::int32_t baud, std::int32_t parity,
                                     std::int32_t stop);
    std::int16_t (*send_serial_data)(const std::uint8_t* data, std::int32_t count);
    std::int16_t (*read_serial_data)(std::uint8_t* buffer, const std::int32_t* count);
    std::int32_t (*get_length_of_queue)(std::int32_t* errors);
    std::int16_t (*ClosePort)();
};

// Serial library status codes the program tells apart.
constexpr std::int16_t kSerialOk = 0;
constexpr std::int16_t kSerialInvalidPort = 4;

// The bound calls. The first use loads libzav_serial.so from the program
// directory and binds each call by name. A missing library or call is
// reported once; its stand-in then fails: OpenPortAdvanced 4 (invalid port),
// send_serial_data 10, read_serial_data 2, get_length_of_queue 0.
const SerialApi& Serial();

// Replaces the bound calls (tests); nullptr returns to the library.
void OverrideSerialApi(const SerialApi* api);

}  // namespace zav::app
