#pragma once
// The RAM utility channel over the serial library: one-byte commands, the
// acknowledge byte 0x80, and the entry and sensor-gain steps that follow the
// download.
#include <QString>
#include <cstdint>

#include "zav/app/ram_utility_packet.h"
#include "zav/app/tick_clock.h"
#include "zav/app/validator_data.h"

namespace zav::app {

// Line settings of the channel: 38400 baud, no parity (code 3), 8 data bits,
// 2 stop bits (code 3).
constexpr std::int32_t kRamChannelBaud = 38400;
// The highest port the channel reaches: the serial library takes the port
// number as a signed byte.
constexpr std::int16_t kHighestRamChannelPort = 127;

// The fixed English text of a serial library status: "DATA TIMEOUT" for 2
// to "PORT NOT OPENED" for 11; empty for any other value.
QString SerialStatusText(std::int16_t status);

// Opens the channel on COM<port>. Returns the serial library's status: 0 when
// open (also when it already was); 4 without calling the library for a port
// outside 0..127, which the library cannot address.
std::int16_t OpenRamChannel(std::int16_t port);

// Writes one command byte; the library's result is not looked at.
void SendRamCommand(std::uint8_t command);

// Waits for the acknowledge after a command: counter to 0, timer on, then on
// each pass takes the tick count and reads the queued bytes one at a time,
// dropping all but 0x80, until 0x80 arrives or the count taken was at least
// `tickLimit`; timer off. Returns true when 0x80 arrived.
bool WaitForAck(int tickLimit, TickClock& clock);

// Waits for the next result packet of the RAM utility: clears InPacket,
// counter to 0, timer on, and hands the queued bytes to
// ReceiveUtilityPacket until it completes a packet with a right check byte
// or the count reaches `tickLimit` (also by a write, as Cancel does); timer
// off. Returns true when a packet was taken. Status bytes 0x80 and 0x81 set
// `packet.Code` but do not end the wait.
bool WaitForUtilityPacket(int tickLimit, TickClock& clock, RamUtilityPacket& packet);

// Opens the channel, sends 0x86 and waits up to `tickLimit` ticks for the
// acknowledge, then closes it. Returns true when it was acknowledged; false
// without sending anything when the channel does not open.
bool EnterRamUtility(int tickLimit, std::int16_t port, TickClock& clock);

// Opens the channel, sends the sensor-gain block of `data` and waits up to
// `tickLimit` ticks for the acknowledge, then closes it. Returns true when it
// was acknowledged; false without sending when the channel does not open or
// the block cannot be built (more than 63 sensors).
bool SendSensorGains(int tickLimit, std::int16_t port, TickClock& clock, const ValidatorData& data);

}  // namespace zav::app
