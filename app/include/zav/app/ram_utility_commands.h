#pragma once
// Every command byte the program sends to the RAM utility.
#include <cstdint>

namespace zav::app::ram_command {

constexpr std::uint8_t kLeave = 0x82;            // leave the RAM utility
constexpr std::uint8_t kStartDiagnostic = 0x83;  // also probes whether it runs
constexpr std::uint8_t kStartTests = 0x85;       // start the test sequence
constexpr std::uint8_t kEnter = 0x86;            // enter it after the download
constexpr std::uint8_t kStopDiagnostic = 0x87;
constexpr std::uint8_t kMotorStop = 0x90;
constexpr std::uint8_t kMotorForward = 0x91;
constexpr std::uint8_t kMotorReverse = 0x92;
constexpr std::uint8_t kStackerOff = 0x93;
constexpr std::uint8_t kStackerOn = 0x94;
constexpr std::uint8_t kStraightenerOff = 0x96;
constexpr std::uint8_t kStraightenerOn = 0x97;
constexpr std::uint8_t kStackerPark = 0x9A;
constexpr std::uint8_t kStraightenerPark = 0x9B;
constexpr std::uint8_t kBezelRed = 0x9C;
constexpr std::uint8_t kBezelGreen = 0x9D;
constexpr std::uint8_t kBezelBlue = 0x9E;
constexpr std::uint8_t kBezelWhite = 0x9F;
constexpr std::uint8_t kPingSensor17 = 0xB3;    // sensor 17 of the RX3 and RX5
constexpr std::uint8_t kPingSensorBase = 0xC0;  // OR the sensor index (from 0)

}  // namespace zav::app::ram_command
