#pragma once
// The calibration status codes a validator reports for each sensor during
// its initialisation, as the initialise window shows them.
#include <QString>
#include <cstdint>
#include <optional>

namespace zav::controls {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct CalibrationStatus {
    int textId;                 // number of the text in the language table
    std::optional<Rgb> colour;  // none: the list's own text colour
    bool failed = false;        // the sensor's calibration failed
};

// 0 "Not Calibrated" red, 1 "Initialisation busy" grey, 2 "Initialisation
// complete" teal, 3 "Calibration busy" cyan, 4 "Calibration complete" green,
// 5 "FAILED" red; any other code "Initialise status not found" in the list's
// own colour.
CalibrationStatus DecodeCalibrationStatus(std::uint8_t code);

}  // namespace zav::controls
