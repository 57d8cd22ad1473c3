#include "open_and_sync.h"

#include "download_codes.h"
#include "loader_steps.h"

namespace zav::link::download {

std::int32_t open_and_sync(ProtocolState& protocol, Port& port, Transaction& transaction,
                           int port_number) {
    if (port.open(port_number) != 1) return ZAV_DOWNLOAD_PORT_OPEN_FAIL;
    protocol.timeout_seconds.store(1);
    protocol.retries.store(2);
    LinkPacket reply{};
    const std::uint8_t sync = kSyncCommand;
    transaction.run(0, ByteSpan(&sync, 1), Transaction::Cancel::Keep, &reply);
    if (accepted(reply)) return 0;
    port.close();
    return ZAV_DOWNLOAD_SYNC_FAIL;
}

}  // namespace zav::link::download
