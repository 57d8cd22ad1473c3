#include "zav/app/ram_channel.h"

#include <QCoreApplication>

#include "zav/app/event_wait.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/ram_utility_packet.h"
#include "zav/app/serial_api.h"

namespace zav::app {
namespace {

constexpr std::int32_t kParityNone = 3;
constexpr std::int32_t kTwoStopBits = 3;

void closeChannel(TickClock& clock) {
    clock.stop();
    Serial().ClosePort();
}

}  // namespace

QString SerialStatusText(std::int16_t status) {
    switch (status) {
        case 2:
            return QStringLiteral("DATA TIMEOUT");
        case 3:
            return QStringLiteral("CHECKSUM ERROR");
        case 4:
            return QStringLiteral("INVALID PORT");
        case 5:
            return QStringLiteral("INVALID BAUD RATE");
        case 6:
            return QStringLiteral("UNABLE TO SET BAUD RATE");
        case 7:
            return QStringLiteral("UNABLE TO SET TIMEOUTS");
        case 8:
            return QStringLiteral("INVALID BUFFER SIZES");
        case 9:
            return QStringLiteral("UNABLE TO SEND DATA");
        case 10:
            return QStringLiteral("UNABLE TO WRITE TO PORT");
        case 11:
            return QStringLiteral("PORT NOT OPENED");
        default:
            return QString();
    }
}

std::int16_t OpenRamChannel(std::int16_t port) {
    if (port < 0 || port > kHighestRamChannelPort) return kSerialInvalidPort;
    return Serial().OpenPortAdvanced(static_cast<std::int8_t>(port), kRamChannelBaud, kParityNone,
                                     kTwoStopBits);
}

void SendRamCommand(std::uint8_t command) {
    Serial().send_serial_data(&command, 1);
}

bool WaitForAck(int tickLimit, TickClock& clock) {
    clock.reset();
    clock.start();
    std::uint8_t last = 0;
    EventWait(clock).pollEvery(kSerialPollInterval).until([&] {
        const int ticks = clock.ticks();
        std::int32_t errors = 0;
        // Only bytes already queued are read, one at a time, so the read
        // never blocks; whatever follows the acknowledge stays queued.
        for (std::int32_t queued = Serial().get_length_of_queue(&errors);
             queued > 0 && last != kAcknowledge; --queued) {
            std::uint8_t byte = 0;
            std::int32_t count = 1;
            if (Serial().read_serial_data(&byte, &count) != kSerialOk) break;
            last = byte;
        }
        return last == kAcknowledge || ticks >= tickLimit;
    });
    clock.stop();
    return last == kAcknowledge;
}

bool WaitForUtilityPacket(int tickLimit, TickClock& clock, RamUtilityPacket& packet) {
    packet.InPacket = false;
    clock.reset();
    clock.start();
    bool received = false;
    EventWait(clock).pollEvery(kSerialPollInterval).until([&] {
        std::int32_t errors = 0;
        // Feed the receiver while it takes bytes; it stops taking them while
        // a packet body is still incomplete.
        for (std::int32_t queued = Serial().get_length_of_queue(&errors);
             queued > 0 && !received;) {
            received = ReceiveUtilityPacket(queued, packet);
            const std::int32_t left = Serial().get_length_of_queue(&errors);
            if (left == queued) break;
            queued = left;
        }
        return received || clock.ticks() >= tickLimit;
    });
    clock.stop();
    return received;
}

bool EnterRamUtility(int tickLimit, std::int16_t port, TickClock& clock) {
    if (OpenRamChannel(port) != kSerialOk) return false;
    SendRamCommand(ram_command::kEnter);
    const bool acknowledged = WaitForAck(tickLimit, clock);
    closeChannel(clock);
    return acknowledged;
}

bool SendSensorGains(int tickLimit, std::int16_t port, TickClock& clock,
                     const ValidatorData& data) {
    clock.stop();
    const auto packet = SensorGainPacket(data);
    if (!packet || OpenRamChannel(port) != kSerialOk) return false;
    QCoreApplication::processEvents();
    Serial().send_serial_data(packet->data(), static_cast<std::int32_t>(packet->size()));
    QCoreApplication::processEvents();
    const bool acknowledged = WaitForAck(tickLimit, clock);
    closeChannel(clock);
    return acknowledged;
}

}  // namespace zav::app
