#include "zav/app/serial_api.h"

#include <type_traits>

#include "zav/app/library_binding.h"
#include "zav_serial.h"

namespace zav::app {
namespace {

std::int16_t openPortAdvancedMissing(std::int8_t, std::int32_t, std::int32_t, std::int32_t) {
    return kSerialInvalidPort;
}
std::int16_t sendSerialDataMissing(const std::uint8_t*, std::int32_t) {
    return 10;
}
std::int16_t readSerialDataMissing(std::uint8_t*, const std::int32_t*) {
    return 2;
}
std::int32_t getLengthOfQueueMissing(std::int32_t* errors) {
    if (errors) *errors = 0;
    return 0;
}
std::int16_t closePortMissing() {
    return 0;
}

class BoundSerialLibrary {
  public:
    BoundSerialLibrary() {
        LibraryBinder binder("libzav_serial.so");
        binder.bind(api.OpenPortAdvanced, "OpenPortAdvanced", &openPortAdvancedMissing);
        binder.bind(api.send_serial_data, "send_serial_data", &sendSerialDataMissing);
        binder.bind(api.read_serial_data, "read_serial_data", &readSerialDataMissing);
        binder.bind(api.get_length_of_queue, "get_length_of_queue", &getLengthOfQueueMissing);
        binder.bind(api.ClosePort, "ClosePort", &closePortMissing);
        library_ = binder.finish();
    }

    SerialApi api{};

  private:
    platform::SharedLibrary library_;
};

const SerialApi* serialOverride = nullptr;

// Each slot has exactly the type of the library's export.
static_assert(std::is_same_v<decltype(&::OpenPortAdvanced), decltype(SerialApi::OpenPortAdvanced)>);
static_assert(std::is_same_v<decltype(&::send_serial_data), decltype(SerialApi::send_serial_data)>);
static_assert(std::is_same_v<decltype(&::read_serial_data), decltype(SerialApi::read_serial_data)>);
static_assert(
    std::is_same_v<decltype(&::get_length_of_queue), decltype(SerialApi::get_length_of_queue)>);
static_assert(std::is_same_v<decltype(&::ClosePort), decltype(SerialApi::ClosePort)>);

}  // namespace

const SerialApi& Serial() {
    if (serialOverride) return *serialOverride;
    static const BoundSerialLibrary bound;
    return bound.api;
}

void OverrideSerialApi(const SerialApi* api) {
    serialOverride = api;
}

}  // namespace zav::app
