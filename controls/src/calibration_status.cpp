#include "zav/controls/calibration_status.h"

#include <array>

namespace zav::controls {
namespace {

constexpr std::array<CalibrationStatus, 6> kStatuses{{
    {111, Rgb{255, 0, 0}},      // "Not Calibrated"
    {112, Rgb{128, 128, 128}},  // "Initialisation busy"
    {113, Rgb{0, 128, 128}},    // "Initialisation complete"
    {114, Rgb{0, 255, 255}},    // "Calibration busy"
    {115, Rgb{0, 192, 0}},      // "Calibration complete"
    {73, Rgb{255, 0, 0}},       // "FAILED"
}};
constexpr CalibrationStatus kUnknownStatus{110, std::nullopt};  // "Initialise status not found"

}  // namespace

CalibrationStatus DecodeCalibrationStatus(std::uint8_t code) {
    return code < kStatuses.size() ? kStatuses[code] : kUnknownStatus;
}

}  // namespace zav::controls
