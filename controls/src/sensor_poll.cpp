#include "zav/controls/sensor_poll.h"

#include "zav/app/ram_channel.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"

namespace zav::controls {
namespace {

constexpr int kSensor17 = 17;
// The request carries the sensor index in its low six bits.
constexpr int kMaxPollPosition = 64;

bool isOneOf(const QString& unitType, std::initializer_list<const char*> models) {
    for (const char* model : models) {
        if (unitType == QLatin1String(model)) return true;
    }
    return false;
}

}  // namespace

std::optional<std::uint8_t> SensorPollRequest(const QString& unitType, int position) {
    if (position < 1 || position > kMaxPollPosition) return std::nullopt;
    const bool rx35 = isOneOf(unitType, {"RX5", "RX3"});
    if (!rx35 && !isOneOf(unitType, {"TM4", "RX8", "TM6", "TM5", "TM3"})) return std::nullopt;
    if (rx35 && position == kSensor17) return app::ram_command::kPingSensor17;
    return static_cast<std::uint8_t>(app::ram_command::kPingSensorBase | (position - 1));
}

SensorPoll::SensorPoll(std::chrono::milliseconds interval, QObject* parent) : QObject(parent) {
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &SensorPoll::tick);
}

void SensorPoll::setTarget(const QString& unitType, int position) {
    unitType_ = unitType;
    position_ = position;
}

void SensorPoll::tick() {
    if (const auto request = SensorPollRequest(unitType_, position_)) {
        app::SendRamCommand(*request);
    }
    std::int32_t errors = 0;
    if (app::Serial().get_length_of_queue(&errors) < 1) return;
    std::uint8_t value = 0;
    std::int32_t count = 1;
    if (app::Serial().read_serial_data(&value, &count) == app::kSerialOk) emit reading(value);
}

}  // namespace zav::controls
