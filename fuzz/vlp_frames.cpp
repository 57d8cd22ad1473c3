// Bytes from the line into the link library's receiving side: frame
// assembly with stuffing and length bytes, the CRC check, the packet log and
// the hand-over of the reply to the waiting caller.
#include <cstdint>

#include "fuzz_input.h"
#include "packet_log.h"
#include "protocol_state.h"
#include "reply_receiver.h"

using namespace zav::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PacketLog log;
    static const bool logging = log.open("/dev/null");
    (void)logging;
    zav::fuzz::FuzzInput input(data, size);
    ProtocolState protocol;
    protocol.sequence_bit = input.byte() & zav::vlp::kSequenceBit;
    ReplySlot slot;
    ReplyReceiver receiver(protocol, slot, log);
    for (const std::uint8_t byte : input.rest()) {
        receiver.on_byte(byte);
        if (!slot.received()) continue;
        std::uint8_t reply[255];
        slot.copy_reply(reply);
        LinkPacket last{};
        slot.copy_last_frame(&last);
        slot.clear();
    }
    return 0;
}
