#pragma once
// How each model's unit is built where its RAM utility cares: which tests
// it runs, which way its sensors move with a green paper, and where its
// mechanism sensors sit.
#include <cstddef>
#include <optional>

#include "zav/sim/profile.h"

namespace zav::sim {

struct UnitLayout {
    bool stacker;       // has a stacker, and tests it first
    bool straightener;  // has a straightener, and tests it after the opto wheel
    // The stacker sensor reads the empty-path level once the plate is back
    // (else it ends covered, at its lowest).
    bool stacker_ends_clear;
    bool pings_sensor17_with_b3;  // 0xB3 reads sensor 16
    // Sensors with a detect threshold whose reading rises with paper (all
    // others fall): those with a positive threshold, the paper-rise sensor.
    bool positive_threshold_rises;
    bool paper_rise_sensor_rises;
    // Sensors the stacker and opto-wheel tests report on as well: the
    // stacker's home and plate sensors and the opto wheel's own sensor.
    std::optional<std::size_t> home_sensor;
    std::optional<std::size_t> plate_sensor;
    std::optional<std::size_t> opto_sensor;
};

// The layout of the profile's unit type; a type the table does not know
// gets a stacker and nothing else.
const UnitLayout& unit_layout(const Profile& profile);

// The first sensor of the stacker ("Z" or "("), of the straightener ("R")
// and the paper-rise sensor ("P"), if the unit has one.
std::optional<std::size_t> stacker_sensor(const Profile& profile);
std::optional<std::size_t> straightener_sensor(const Profile& profile);
std::optional<std::size_t> paper_rise_sensor(const Profile& profile);

}  // namespace zav::sim
