#include "zav/controls/calibration_status.h"

#include <array>

#include "zav/lang/text_ids.h"

namespace zav::controls {
namespace {

namespace text = lang::text;

constexpr std::array<CalibrationStatus, 6> kStatuses{{
    {text::kNotCalibrated, Rgb{255, 0, 0}},
    {text::kInitialisationBusy, Rgb{128, 128, 128}},
    {text::kSensorInitialised, Rgb{0, 128, 128}},
    {text::kCalibrationBusy, Rgb{0, 255, 255}},
    {text::kCalibrationComplete, Rgb{0, 192, 0}},
    {text::kFailed, Rgb{255, 0, 0}, true},
}};
constexpr CalibrationStatus kUnknownStatus{text::kStatusNotFound, std::nullopt};

}  // namespace

CalibrationStatus DecodeCalibrationStatus(std::uint8_t code) {
    return code < kStatuses.size() ? kStatuses[code] : kUnknownStatus;
}

}  // namespace zav::controls
