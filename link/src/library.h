#pragma once
// The library's one process-wide instance: protocol state, port, reader
// routing, packet log and messages, wired together. It lives while the
// library is loaded; unloading stops the reader and closes the port.
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

    static Library& instance();
};

}  // namespace zav::link
