// The exported C interface: argument checks and the library-wide instance.
#include <cstring>

#include "ZavtekVLP.h"
#include "library.h"

using zav::link::ByteSpan;
using zav::link::Library;
using zav::link::ProtocolState;
using zav::link::Transaction;

namespace {

Library& lib() {
    return Library::instance();
}

// A command laid out like a LinkPacket: address at byte 0, length at byte 2,
// code and parameters from byte 3. Reads no more than the length promises.
LinkPacket* run_command(LinkPacket* result, const std::uint8_t* command,
                        Transaction::Cancel cancel) {
    if (!result) return nullptr;
    if (!command) {
        result->status = zav::link::kStatusNoReply;
        result->length = 0;
        return result;
    }
    const std::uint8_t address = command[0];
    const std::uint8_t length = command[2];
    std::uint8_t data[255];
    std::memcpy(data, command + 3, length);
    lib().transaction.run(address, ByteSpan(data, length), cancel, result);
    return result;
}

}  // namespace

extern "C" {

LinkPacket* Command(LinkPacket* result, const LinkPacket* command) {
    return run_command(result, reinterpret_cast<const std::uint8_t*>(command),
                       Transaction::Cancel::ClearAfterSend);
}

LinkPacket* VLPCommand(LinkPacket* result, const uint8_t* command) {
    return run_command(result, command, Transaction::Cancel::Keep);
}

int16_t SetRetryParameters(const uint8_t* params) {
    if (params) {
        lib().protocol.timeout_seconds.store(params[0]);
        lib().protocol.retries.store(params[1]);
    }
    return 0;
}

int16_t VLPKillWaitTime(void) {
    lib().protocol.cancel_requested.store(true);
    // A download's echo wait ends at once.
    lib().port.routing().notify_waiters();
    return 1;
}

int16_t FlipSeq(void) {
    lib().protocol.flip_sequence();
    return 1;
}

LinkPacket* GetLastTxPacket(LinkPacket* packet) {
    if (packet) lib().transaction.copy_last_sent(packet);
    return packet;
}

LinkPacket* GetLastRxPacket(LinkPacket* packet) {
    if (packet) lib().replies.copy_last_frame(packet);
    return packet;
}

int16_t SetDownloadVLPAddress(int32_t address) {
    lib().protocol.address_override.store(address);
    return 1;
}

int32_t GetDownloadVLPAddress(void) {
    const std::int32_t address = lib().protocol.address_override.load();
    return address < 0 ? 0 : address;
}

int16_t OpenPort(int16_t port) {
    return lib().port.open(port);
}

int16_t CloseComm(void) {
    // A transfer running on the port ends first (it closes the port itself).
    if (!lib().port.close_mode()) lib().downloads.stop();
    lib().port.close_comm();
    return 1;
}

int16_t SetBaud(int32_t baud) {
    return lib().port.set_baud(baud, "Failed setting comms parameters");
}

int16_t SetFastBaud(int32_t baud) {
    return lib().port.set_baud(baud, "Failed setting commsPD parameters");
}

int32_t GetBaud(void) {
    return lib().port.baud();
}

int16_t SetDTR(int16_t on) {
    return lib().port.set_dtr(on);
}

int16_t SetCloseMode(int16_t on) {
    lib().port.set_close_mode(on != 0);
    return 1;
}

int16_t SetMessageMode(int32_t on) {
    lib().messages.set_enabled(on > 0);
    return 1;
}

int16_t SetMessageHandler(ZavVlpMessageHandler handler) {
    lib().messages.set_handler(handler);
    return 1;
}

int16_t VLPLogFile(const char* name) {
    if (!name) return 0;
    if (name[0] == '0') {
        lib().log.close();
        return 1;
    }
    return lib().log.open(std::string(name, strnlen(name, zav::link::PacketLog::kMaxNameLength)))
               ? 1
               : 0;
}

}  // extern "C"
