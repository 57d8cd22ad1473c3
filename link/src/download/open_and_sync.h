#pragma once
// The opening of every download and bulk read: the port, then SYNC.
#include <cstdint>

#include "port.h"
#include "protocol_state.h"
#include "transaction.h"

namespace zav::link::download {

// Opens COM<port> and sends SYNC with a 1 s reply time-out and 2 retries
// (left in force afterwards). Returns 0, ZAV_DOWNLOAD_PORT_OPEN_FAIL, or ZAV_DOWNLOAD_SYNC_FAIL
// when the reply is not 0xF0 (the port is then closed).
std::int32_t open_and_sync(ProtocolState& protocol, Port& port, Transaction& transaction,
                           int port_number);

}  // namespace zav::link::download
