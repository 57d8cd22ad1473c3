#include "zav/controls/sensor_poll.h"

#include "zav/app/model_table.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"

namespace zav::controls {
namespace {

constexpr int kSensor17 = 17;
// The request carries the sensor index in its low six bits.
constexpr int kMaxPollPosition = 64;

}  // namespace

std::optional<std::uint8_t> SensorPollRequest(const QString& unitType, int position) {
    if (position < 1 || position > kMaxPollPosition) return std::nullopt;
    const app::ModelTraits* model = app::FindModel(unitType);
    if (!model) return std::nullopt;
    if (model->pollsSensor17Apart && position == kSensor17) return app::ram_command::kPingSensor17;
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
