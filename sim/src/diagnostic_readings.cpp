#include "diagnostic_readings.h"

#include <algorithm>

#include "unit_layout.h"

namespace zav::sim {
namespace {

constexpr std::uint8_t kStackerCode = 0xB5;
constexpr std::uint8_t kOptoWheelCode = 0xB9;
constexpr std::uint8_t kStraightenerCode = 0xD3;
constexpr std::uint8_t kPaperLessCode = 0xA1;
constexpr std::uint8_t kGreenPaperCode = 0xA2;

// Counts a healthy reading keeps from a detect threshold, and a sensor's
// highest reading from the level it must exceed.
constexpr int kThresholdMargin = 4;
constexpr int kLevelMargin = 12;
// Opto wheel pulses counted while the transport motor runs each way.
constexpr std::uint8_t kPulsesForward = 40;
constexpr std::uint8_t kPulsesReverse = 38;
// The live reading's wander: amplitude in counts, and cycle.
constexpr int kWanderCounts = 3;
constexpr std::int64_t kWanderCycleMs = 2000;

std::uint8_t clamp_byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// A reading the calibration window around target cannot hold: an empty
// reading, or a full one where the target itself is empty.
std::uint8_t outside_window(std::uint8_t target) {
    return target > 0 ? 0 : 255;
}

std::uint8_t path_reading(const SensorProfile& s, bool fails) {
    return fails ? outside_window(s.path_target) : s.path_target;
}

bool rises_with_paper(const Profile& profile, std::size_t sensor) {
    const UnitLayout& layout = unit_layout(profile);
    const SensorProfile& s = profile.sensors[sensor];
    return (layout.positive_threshold_rises && s.detect_threshold > 0) ||
           (layout.paper_rise_sensor_rises && paper_rise_sensor(profile) == sensor);
}

// With a green paper: a sensor without a detect threshold reads its paper
// target; one with a threshold ends up beyond the threshold on the side it
// moves to with paper.
std::uint8_t paper_reading(const Profile& profile, std::size_t sensor, bool fails) {
    const SensorProfile& s = profile.sensors[sensor];
    if (s.detect_threshold == 0) return fails ? outside_window(s.paper_target) : s.paper_target;
    const int threshold = std::clamp(s.paper_target + s.detect_threshold, 0, 255);
    if (rises_with_paper(profile, sensor))
        return fails ? 0 : clamp_byte(threshold + kThresholdMargin);
    if (fails) return 255;
    return std::min<int>(s.paper_target, std::max(threshold - kThresholdMargin, 0));
}

std::vector<std::uint8_t> sensor_readings(const Profile& profile, SensorTest test,
                                          const RawFaultSet& faults) {
    std::vector<std::uint8_t> readings;
    for (std::size_t i = 0; i < profile.sensors.size(); ++i) {
        const bool fails = faults.sensor_fails(i, test);
        readings.push_back(test == SensorTest::PaperLess ? path_reading(profile.sensors[i], fails)
                                                         : paper_reading(profile, i, fails));
    }
    return readings;
}

const SensorProfile* sensor_at(const Profile& profile, std::optional<std::size_t> index) {
    return index && *index < profile.sensors.size() ? &profile.sensors[*index] : nullptr;
}

// A sensor swept between dark and light: its lowest and highest readings,
// the highest being its empty-path level.
void append_sweep(std::vector<std::uint8_t>& data, const SensorProfile* s) {
    const std::uint8_t highest = s ? s->path_target : 0;
    data.push_back(highest / 4);
    data.push_back(highest);
}

// The stacker sensor sees the plate go by: at its lowest the paper level, at
// its highest clear of its detect threshold. A stacker that does not move
// never lifts it clear.
std::vector<std::uint8_t> stacker_data(const Profile& profile, const RawFaultSet& faults) {
    const UnitLayout& layout = unit_layout(profile);
    const SensorProfile* s = sensor_at(profile, stacker_sensor(profile));
    const int target = s ? s->path_target : 0;
    const int offset = s ? s->detect_threshold : 0;
    const int lowest = s ? s->paper_target : 0;
    const int highest = faults.mechanism_fails(Mechanism::Stacker)
                            ? clamp_byte(target + std::min(offset, 0))
                            : clamp_byte(target + std::max(offset, 0) + kLevelMargin);
    const int at_end =
        layout.stacker_ends_clear ? highest - kThresholdMargin : lowest + kThresholdMargin;
    std::vector<std::uint8_t> data = {clamp_byte(at_end), clamp_byte(lowest), clamp_byte(highest),
                                      layout.home_sensor ? std::uint8_t{1} : std::uint8_t{0}};
    append_sweep(data, sensor_at(profile, layout.plate_sensor));
    return data;
}

std::vector<std::uint8_t> opto_wheel_data(const Profile& profile, const RawFaultSet& faults) {
    std::vector<std::uint8_t> data = {
        faults.mechanism_fails(Mechanism::MotorForward) ? std::uint8_t{0} : kPulsesForward,
        faults.mechanism_fails(Mechanism::MotorReverse) ? std::uint8_t{0} : kPulsesReverse};
    append_sweep(data, sensor_at(profile, unit_layout(profile).opto_sensor));
    return data;
}

// The straightener sensor swings from half its detect level to clear above
// it and ends there; a straightener that does not move stays at the level.
std::vector<std::uint8_t> straightener_data(const Profile& profile, const RawFaultSet& faults) {
    const SensorProfile* s = sensor_at(profile, straightener_sensor(profile));
    const int detect = s ? s->detect : 0;
    const int highest = faults.mechanism_fails(Mechanism::Straightener)
                            ? detect
                            : std::max<int>(s ? s->path_target : 0, detect + kLevelMargin);
    return {clamp_byte(highest), clamp_byte(detect / 2), clamp_byte(highest)};
}

}  // namespace

std::vector<ResultPacket> tests_before_green_paper(const Profile& profile) {
    const UnitLayout& layout = unit_layout(profile);
    std::vector<ResultPacket> packets;
    if (layout.stacker) packets.push_back(ResultPacket::Stacker);
    packets.push_back(ResultPacket::OptoWheel);
    if (layout.straightener) packets.push_back(ResultPacket::Straightener);
    packets.push_back(ResultPacket::PaperLess);
    return packets;
}

std::uint8_t result_code(ResultPacket packet) {
    switch (packet) {
        case ResultPacket::Stacker:
            return kStackerCode;
        case ResultPacket::OptoWheel:
            return kOptoWheelCode;
        case ResultPacket::Straightener:
            return kStraightenerCode;
        case ResultPacket::PaperLess:
            return kPaperLessCode;
        case ResultPacket::GreenPaper:
            return kGreenPaperCode;
    }
    return 0;
}

std::vector<std::uint8_t> result_data(const Profile& profile, ResultPacket packet,
                                      const RawFaultSet& faults) {
    switch (packet) {
        case ResultPacket::Stacker:
            return stacker_data(profile, faults);
        case ResultPacket::OptoWheel:
            return opto_wheel_data(profile, faults);
        case ResultPacket::Straightener:
            return straightener_data(profile, faults);
        case ResultPacket::PaperLess:
            return sensor_readings(profile, SensorTest::PaperLess, faults);
        case ResultPacket::GreenPaper:
            return sensor_readings(profile, SensorTest::GreenPaper, faults);
    }
    return {};
}

std::uint8_t live_reading(const Profile& profile, std::size_t sensor, std::int64_t now_ms) {
    if (sensor >= profile.sensors.size()) return 0;
    // A triangle wave: up and down by kWanderCounts once a cycle.
    const std::int64_t phase = now_ms % kWanderCycleMs;
    const std::int64_t half = kWanderCycleMs / 2;
    const std::int64_t rise = phase < half ? phase : kWanderCycleMs - phase;
    const int wander = static_cast<int>(rise * 2 * kWanderCounts / half) - kWanderCounts;
    return clamp_byte(profile.sensors[sensor].path_target + wander);
}

}  // namespace zav::sim
