#pragma once
// What a simulated validator says about itself: plain tables, one per model.
#include <cstdint>
#include <span>
#include <string_view>

namespace zav::sim {

// One sensor, in the order of its GET_SENSOR_INFO_DATA reply bytes d[21] to
// d[40] (the name is d[1] to d[20], padded with blanks).
struct SensorProfile {
    const char* name;  // at most 20 characters
    std::uint8_t code;
    char type;  // "Z" or "(" stacker, "R" straightener, "_" no paper tests
    std::uint8_t paper_target;
    std::uint8_t path_target;
    std::uint8_t gain1;
    std::uint8_t gain2;
    std::uint8_t config_byte27;
    std::uint8_t detect;
    std::uint8_t cal_divide;
    std::int8_t detect_threshold;
    std::uint8_t first_gain1;
    std::uint8_t first_gain2;
    std::uint8_t path_achieved;
    std::uint8_t paper_achieved;
    std::int8_t clear_threshold;
    std::uint16_t phase_delay;  // 0 to 512, sent low byte first
};

struct MotorProfile {
    const char* name;  // at most 20 characters
    std::uint8_t byte_a;
    std::uint8_t byte_b;
};

struct Profile {
    const char* name;       // the name zavsim and Options take: "TM6", "TM5-TM3"
    const char* unit_type;  // unit type field of the sensor configuration ("" for none)
    const char* firmware;   // 16 characters; the first six are the model code
    const char* dataset;    // 8 characters
    std::uint32_t serial_number;
    // The configuration reply gives the sensor count as two counts that the
    // host adds: the optical sensors first, the others second.
    std::uint8_t optical_sensor_count;
    std::span<const SensorProfile> sensors;
    std::span<const MotorProfile> motors;
};

// Every profile the simulator knows, in a fixed order.
std::span<const Profile* const> all_profiles();

// The profile of that name (exact match), or nullptr.
const Profile* find_profile(std::string_view name);

}  // namespace zav::sim
