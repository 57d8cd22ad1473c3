#pragma once
// The two packet calls: frame building, echo and reply reading, retries and
// flood protection.
#include <cstdint>

#include "serial_state.h"
#include "zav_serial.h"

namespace zav::serial {

// SendCCTPacket: up to retry count + 1 attempts, reply checksum checked.
std::int16_t send_cct_packet(SerialState& state, CCTPacket* packet);

// SendMDCESPacket: one attempt, the raw receive area handed back.
std::int16_t send_mdces_packet(SerialState& state, CCTPacket* packet);

}  // namespace zav::serial
