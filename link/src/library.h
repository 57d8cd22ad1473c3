#pragma once
// The library's one process-wide instance: protocol state, port, reader
// routing, packet log, messages and the program download, wired together.
// It lives while the library is loaded; unloading stops a download worker,
// then the reader, and closes the port.
#include "download/downloader.h"
#include "messages.h"
#include "packet_log.h"
#include "port.h"
#include "protocol_state.h"
#include "reply_receiver.h"
#include "transaction.h"

namespace zav::link {

struct Library {
    ProtocolState protocol;
    Messages messages;
    PacketLog log;
    ReplySlot replies;
    ReplyReceiver receiver{protocol, replies, log};
    Port port{log, messages, receiver};
    Transaction transaction{protocol, replies, port, log};
    // Last, so that unloading stops and joins a download worker before the
    // port and the transaction go.
    download::Downloader downloads{protocol, port, transaction, messages};

    static Library& instance();
};

}  // namespace zav::link
