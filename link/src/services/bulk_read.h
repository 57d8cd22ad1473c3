#pragma once
// GetBulkData: a block of the validator's memory as raw bytes, received
// straight into the caller's buffer by the reader thread.
#include <cstdint>

#include "port.h"
#include "protocol_state.h"
#include "transaction.h"

namespace zav::link {

// The request for count bytes from address: a VLP frame to address 0 with
// the sequence bit clear, never stuffed. Fills 16 bytes.
void build_bulk_request(std::uint32_t address, std::uint32_t count, std::uint8_t* out);

// Opens COM<port>, synchronises, writes the request and waits up to 2 s
// after it has left for count + 1 bytes, which land in dest (never more
// than count + 1 of them). Returns 1 when they all arrived, 0 on time-out,
// ZAV_DOWNLOAD_PORT_OPEN_FAIL when the port cannot be opened,
// ZAV_DOWNLOAD_SYNC_FAIL for a refused SYNC.
// Bulk mode is off and the port closed afterwards in every case.
std::int32_t get_bulk_data(ProtocolState& protocol, Port& port, Transaction& transaction,
                           int port_number, std::uint32_t address, std::uint32_t count,
                           std::uint8_t* dest);

}  // namespace zav::link
