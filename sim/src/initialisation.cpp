#include "initialisation.h"

#include <algorithm>

#include "command_codes.h"
#include "vlp_frame.h"
#include "zav/platform/clock.h"

namespace zav::sim {
namespace {

constexpr std::uint8_t kCapabilityDataFunction = 0x08;
constexpr std::uint8_t kDataCollectParameter = 0x04;

// Status codes, in the order a sensor passes them.
constexpr std::uint8_t kNotCalibrated = 0;
constexpr std::uint8_t kCalibrationComplete = 4;
constexpr std::uint8_t kFailed = 5;
// Stages before the final code: waiting (0), initialisation busy (1),
// initialisation complete (2), calibration busy (3).
constexpr int kStagesBeforeEnd = 4;
constexpr std::size_t kStatusBytesPerSensor = 3;

}  // namespace

Initialisation::Initialisation(const Profile& profile, const InitialisationOptions& options)
    : profile_(profile), options_(options) {}

std::optional<Bytes> Initialisation::answer(std::uint8_t request, const std::uint8_t* params,
                                            std::size_t count) {
    switch (request) {
        case kGetCapability: {
            const bool validator = profile_.unit_type[0] != '\0';
            return Bytes{kReplyOk, options_.capability.value_or(validator ? kCapabilityDataFunction
                                                                          : std::uint8_t{0})};
        }
        case kInitialise:
            started_ms_ = platform::monotonic_ms();
            end_reported_ = false;
            return Bytes{kReplyOk};
        case kDataCollect:
            if (count < 1 || params[0] != kDataCollectParameter) return Bytes{kReplyBadParameter};
            return Bytes{kReplyOk};
        case kGetCalibrationStatus:
            return status_reply(platform::monotonic_ms());
        default:
            return std::nullopt;
    }
}

bool Initialisation::take_end_event() {
    if (end_reported_ || !finished(platform::monotonic_ms())) return false;
    end_reported_ = true;
    return true;
}

bool Initialisation::finished(std::int64_t now_ms) const {
    if (!started_ms_) return false;
    const std::size_t sensors = profile_.sensors.size();
    const std::int64_t last_start = start_offset_ms(sensors == 0 ? 0 : sensors - 1);
    return now_ms - *started_ms_ >= last_start + kStagesBeforeEnd * step_ms();
}

int Initialisation::step_ms() const {
    return std::max(options_.step_ms, 1);
}

std::int64_t Initialisation::start_offset_ms(std::size_t sensor) const {
    return static_cast<std::int64_t>(sensor) * step_ms() / 2;
}

// Sensor k starts k half steps after the initialise request and takes one
// step in each stage before its final code. A unit never initialised reports
// every sensor calibrated.
std::uint8_t Initialisation::status_code(std::size_t sensor, std::int64_t elapsed_ms) const {
    const std::int64_t local = elapsed_ms - start_offset_ms(sensor);
    const std::int64_t stage = local < 0 ? 0 : local / step_ms();
    if (stage < kStagesBeforeEnd) return static_cast<std::uint8_t>(kNotCalibrated + stage);
    const auto& failing = options_.failing_sensors;
    const bool fails =
        std::find(failing.begin(), failing.end(), static_cast<int>(sensor)) != failing.end();
    return fails ? kFailed : kCalibrationComplete;
}

// d[0], then per sensor its code, gain 1 and gain 2: the calibrated gains
// once complete, the first gains before.
Bytes Initialisation::status_reply(std::int64_t now_ms) const {
    Bytes reply = {kReplyOk};
    for (std::size_t k = 0; k < profile_.sensors.size(); ++k) {
        if (reply.size() + kStatusBytesPerSensor > vlp::kMaxDataLength) break;
        const SensorProfile& sensor = profile_.sensors[k];
        const std::uint8_t code =
            started_ms_ ? status_code(k, now_ms - *started_ms_) : kCalibrationComplete;
        const bool calibrated = code == kCalibrationComplete;
        reply.push_back(code);
        reply.push_back(calibrated ? sensor.gain1 : sensor.first_gain1);
        reply.push_back(calibrated ? sensor.gain2 : sensor.first_gain2);
    }
    return reply;
}

}  // namespace zav::sim
