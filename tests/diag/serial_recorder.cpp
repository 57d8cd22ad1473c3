#include "serial_recorder.h"

namespace zav::test {
namespace {

const app::SerialApi* real = nullptr;
QStringList recorded;

std::int16_t Open(std::int8_t port, std::int32_t baud, std::int32_t parity, std::int32_t stop) {
    recorded << QStringLiteral("open");
    return real->OpenPortAdvanced(port, baud, parity, stop);
}
std::int16_t Send(const std::uint8_t* data, std::int32_t count) {
    for (std::int32_t i = 0; data && i < count; ++i) {
        recorded << QStringLiteral("send %1").arg(data[i], 2, 16, QLatin1Char('0'));
    }
    return real->send_serial_data(data, count);
}
std::int16_t Close() {
    recorded << QStringLiteral("close");
    return real->ClosePort();
}

}  // namespace

SerialRecorder::SerialRecorder() {
    real = &app::Serial();
    api_ = *real;
    api_.OpenPortAdvanced = Open;
    api_.send_serial_data = Send;
    api_.ClosePort = Close;
    recorded.clear();
    app::OverrideSerialApi(&api_);
}

SerialRecorder::~SerialRecorder() {
    app::OverrideSerialApi(nullptr);
}

const QStringList& SerialRecorder::calls() const {
    return recorded;
}

int SerialRecorder::sent(std::uint8_t byte) const {
    return static_cast<int>(
        recorded.count(QStringLiteral("send %1").arg(byte, 2, 16, QLatin1Char('0'))));
}

QStringList SerialRecorder::callsAfterLeave() const {
    const qsizetype last = recorded.lastIndexOf(QStringLiteral("send 82"));
    return last < 0 ? QStringList{} : recorded.mid(last + 1);
}

void SerialRecorder::clear() {
    recorded.clear();
}

}  // namespace zav::test
