#pragma once
// The validator command layer: each procedure is one conversation over the
// link (open the port, SYNC, its requests), decodes the replies into the
// caller's record and reports every failure itself in a message box, so the
// caller only decides what to do next. All run on the user-interface thread
// and use the caller's command and reply records; the reply record holds the
// last reply afterwards.
#include <cstdint>

#include "ZavtekVLP.h"
#include "zav/app/validator_data.h"

namespace zav::app {

constexpr std::int16_t kReadFailed = 0;
constexpr std::int16_t kReadOk = 1;
constexpr std::int16_t kReadNoSensorData = 100;

// Serial number, sensor configuration, unit type and one description per
// sensor. Returns kReadOk when all were read; kReadNoSensorData when the unit
// type is not an RX or TM validator (UnitType then comes from the firmware
// text, SensorCount is set and the sensor lists are untouched); kReadFailed
// after a message. Closes the port in every case once it was opened.
std::int16_t ReadValidatorSensorData(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                                     ValidatorData& data);

// Motor count and one description per motor. Returns kReadOk, or kReadFailed
// after a message. Closes the port.
std::int16_t ReadMotorData(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                           ValidatorData& data);

// The 16-character firmware text, untrimmed. Returns kReadOk and leaves the
// port open, or kReadFailed after a message.
std::int16_t ReadFullFirmware(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                              VersionData& version);

// The 8-character dataset text, untrimmed. Returns kReadOk and leaves the
// port open, or kReadFailed after a message.
std::int16_t ReadDatasetCode(std::int16_t port, LinkPacket& command, LinkPacket& reply,
                             DatasetData& dataset);

}  // namespace zav::app
