// Validator replies into the command layer and the initialise session: the
// identification (serial number, sensor configuration and records, the
// firmware's model code), motor records, firmware and dataset texts, the
// initialisation requests, status replies and POLL events. The link library
// is replaced by one that answers each command with the next reply of the
// input: a length byte, then that many data bytes (generic reply code first);
// an input used up is a validator that no longer answers.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>

#include "fuzz_input.h"
#include "qt_fuzz_support.h"
#include "zav/app/command_layer.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/controls/initialise_session.h"

namespace {

zav::fuzz::FuzzInput* replies = nullptr;

bool isGenericCode(std::uint8_t code) {
    return code == 0xF0 || (code >= 0xF2 && code <= 0xFB);
}

// Command as the link library answers it: status 1 with the data for a
// generic reply code, that code as the status otherwise, 2 without a reply.
LinkPacket* Command(LinkPacket* result, const LinkPacket*) {
    if (replies->empty()) {
        result->status = 2;
        return result;
    }
    const std::uint8_t length = std::max<std::uint8_t>(replies->byte(), 1);
    std::uint8_t data[255];
    replies->bytes(data, length);
    if (!isGenericCode(data[0])) {
        result->status = data[0];
        return result;
    }
    result->status = 1;
    result->length = length;
    std::memcpy(result->data, data, length);
    return result;
}

std::int16_t OpenPort(std::int16_t) {
    return 1;
}
std::int16_t CloseComm() {
    return 1;
}
std::int16_t SetRetryParameters(const std::uint8_t*) {
    return 0;
}
std::int32_t DownloadRamFile(const char*, std::int16_t) {
    return zav::app::kDownloadUnavailable;
}
std::int32_t GetRamDownloadData() {
    return zav::app::kDownloadUnavailable;
}

constexpr zav::app::LinkApi kLink{OpenPort,           Command,         CloseComm,
                                  SetRetryParameters, DownloadRamFile, GetRamDownloadData};

// The RAM-utility channel the initialise session opens to leave: no port.
std::int16_t OpenPortAdvanced(std::int8_t, std::int32_t, std::int32_t, std::int32_t) {
    return zav::app::kSerialInvalidPort;
}
std::int16_t SendSerialData(const std::uint8_t*, std::int32_t) {
    return 10;
}
std::int16_t ReadSerialData(std::uint8_t*, const std::int32_t*) {
    return 2;
}
std::int32_t QueueLength(std::int32_t* errors) {
    if (errors) *errors = 0;
    return 0;
}
std::int16_t ClosePort() {
    return 0;
}

constexpr zav::app::SerialApi kSerial{OpenPortAdvanced, SendSerialData, ReadSerialData, QueueLength,
                                      ClosePort};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static zav::fuzz::SilentFrontEnd& frontEnd = zav::fuzz::StartQtCore();
    zav::app::OverrideLinkApi(&kLink);
    zav::app::OverrideSerialApi(&kSerial);
    zav::fuzz::FuzzInput input(data, size);
    replies = &input;

    LinkPacket command{};
    LinkPacket reply{};
    zav::app::ValidatorData validator;
    switch (input.byte() % 5) {
        case 0:
            zav::app::ReadValidatorSensorData(1, command, reply, validator);
            break;
        case 1:
            zav::app::ReadMotorData(1, command, reply, validator);
            break;
        case 2: {
            zav::app::VersionData version;
            zav::app::ReadFullFirmware(1, command, reply, version);
            break;
        }
        case 3: {
            zav::app::DatasetData dataset;
            zav::app::ReadDatasetCode(1, command, reply, dataset);
            break;
        }
        default: {
            zav::controls::InitialiseSession session(1, std::chrono::milliseconds(0), frontEnd);
            session.start();
            break;
        }
    }
    replies = nullptr;
    return 0;
}
