#pragma once
// The program's side of the RAM utility channel in tests, through the real
// serial library: one port at a time, as the library keeps it.
#include <cstdint>
#include <optional>
#include <vector>

#include "diagnostic_judge.h"

namespace zav::sim::test {

using Bytes = std::vector<std::uint8_t>;

// Opens COM<port> as the program does: 38400 baud, no parity, 2 stop bits.
// Returns the library's status (0 when open).
int open_raw_channel(int port);
void close_raw_channel();

void send_bytes(const Bytes& bytes);
// Exactly count bytes, or none when they did not all come within the
// library's 10-second read time-out.
std::optional<Bytes> read_bytes(int count);
// True when no byte has arrived after ms milliseconds.
bool stays_silent(int ms);

struct ReceivedPacket {
    UtilityPacket packet;
    bool check_ok = false;
};
// The next packet: start byte, length, code, data and check byte. None when
// the first byte is not a start byte or the packet does not arrive whole.
std::optional<ReceivedPacket> read_packet();

// The sensor-gain packet the program builds for this unit.
Bytes gain_packet(const Profile& profile);

}  // namespace zav::sim::test
