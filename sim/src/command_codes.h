#pragma once
// VLP command codes and generic reply codes the simulated validator knows.
#include <cstddef>
#include <cstdint>

#include "zav/sim/simulator.h"

namespace zav::sim {

constexpr std::uint8_t kPoll = 0x07;
constexpr std::uint8_t kGetSerialNumber = 0x0C;
constexpr std::uint8_t kSync = 0x11;
// The expansion command: 0x30, the selector 0x05, a request code, then the
// request's parameters.
constexpr std::uint8_t kExpansion = 0x30;
constexpr std::uint8_t kExpansionSelector = 0x05;

// Expansion request codes.
constexpr std::uint8_t kGetDatasetCode = 0x16;
constexpr std::uint8_t kGetFullFirmware = 0x44;
constexpr std::uint8_t kGetSensorInfo = 0x61;
constexpr std::uint8_t kGetSensorConfig = 0x65;
constexpr std::uint8_t kGetMotorInfo = 0x66;
constexpr std::uint8_t kGetMotorConfig = 0x67;

// Generic reply codes (first data byte of every reply).
constexpr std::uint8_t kReplyOk = 0xF0;
// The command or expansion request is not one this unit knows.
constexpr std::uint8_t kReplyUnknownCommand = 0xF2;
// A parameter is missing or out of range (a sensor or motor index).
constexpr std::uint8_t kReplyBadParameter = 0xF3;

// An old-format block or a download header travels as one command of this
// many data bytes.
constexpr std::size_t kDownloadBlockSize = 128;

// The key faults and counters file a command under: its code, or
// expansion(request) for an expansion request.
CommandKey command_key(const std::uint8_t* data, std::size_t count);

}  // namespace zav::sim
