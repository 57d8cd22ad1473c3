#pragma once
// How a simulated validator runs its own initialisation and calibration, as
// the initialise tool starts and follows it.
#include <cstdint>
#include <optional>
#include <vector>

namespace zav::sim {

struct InitialisationOptions {
    // The capability byte the unit reports; bit 3 (0x08) means it has the
    // initialisation data function. Unset: the profile's own (0x08 for the
    // bill and note validators, 0x00 for a unit that is none).
    std::optional<std::uint8_t> capability;
    // Zero-based sensors whose calibration ends in FAILED (status code 5).
    std::vector<int> failing_sensors;
    // How long a sensor stays in each stage (waiting, initialisation busy,
    // initialisation complete, calibration busy); each sensor starts half a
    // step after the one before.
    int step_ms = 300;
};

}  // namespace zav::sim
