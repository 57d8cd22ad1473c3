#include "zav/controls/calibration_status.h"

#include <array>

namespace zav::controls {
namespace {

constexpr std::array<CalibrationStatus, 6> kStatuses{{
    {111, {255, 0, 0}},      // "Not Calibrated"
    {112, {128, 128, 128}},  // "Initialisation busy"
    {113, {0, 128, 128}},    // "Initialisation complete"
    {114, {0, 255, 255}},    // "Calibration busy"
    {115, {0, 192, 0}},      // "Calibration complete"
    {73, {255, 0, 0}},       // "FAILED"
}};
constexpr CalibrationStatus kUnknownStatus{110, {64, 64, 64}};  // "Initialise status not found"

}  // namespace

CalibrationStatus DecodeCalibrationStatus(std::uint8_t code) {
    return code < kStatuses.size() ? kStatuses[code] : kUnknownStatus;
}

}  // namespace zav::controls
