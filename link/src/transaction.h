#pragma once
// The VLP command transaction: build and send the frame, wait for the reply,
// resend on time-out, and report the link status.
#include <array>
#include <atomic>
#include <mutex>

#include "ZavtekVLP.h"
#include "link_transport.h"
#include "packet_log.h"
#include "protocol_state.h"
#include "reply_receiver.h"
#include "vlp_frame.h"

namespace zav::link {

// Link statuses besides the reply codes that stand for themselves.
constexpr std::uint16_t kStatusNoPort = 0;
constexpr std::uint16_t kStatusGenericReply = 1;
constexpr std::uint16_t kStatusNoReply = 2;

constexpr std::uint8_t kSyncCommand = 0x11;

// True for the generic reply codes 0xF0 and 0xF2 to 0xFB.
bool is_generic_reply(std::uint8_t code);

class Transaction {
  public:
    // Command clears a cancel request right after sending; VLPCommand and
    // the library's own services leave it in force.
    enum class Cancel { ClearAfterSend, Keep };

    Transaction(ProtocolState& protocol, ReplySlot& replies, LinkTransport& transport,
                PacketLog& log)
        : protocol_(protocol), replies_(replies), transport_(transport), log_(log) {}

    // Sends `data` (command code and parameters) to `address` (unless the
    // address override is set) and fills result: status, and for a reply its
    // length and data. Status 0 = no port, 2 = no reply (also for a command
    // of 0 or more than 250 bytes, which is not sent), 1 = generic reply,
    // other = that reply code. Only status 1 fills length and data; status
    // 0 and 2 clear them, so a stale success code can never be read from a
    // reused record; another reply code leaves them untouched.
    //
    // stop (when given): once set, nothing more is sent and the reply wait
    // ends at once (after interrupt()) with status 2; a stop request of the
    // download worker, which ends a transfer's command at once.
    void run(std::uint8_t address, ByteSpan data, Cancel cancel, LinkPacket* result,
             const std::atomic<bool>* stop = nullptr);
    // Wakes a running transaction's reply wait so it looks at its stop flag.
    void interrupt() { replies_.interrupt(); }

    // The last command frame: length = its unstuffed length, data = the
    // first that many bytes as sent.
    void copy_last_sent(LinkPacket* packet) const;

  private:
    bool send_and_wait(const std::uint8_t* wire, std::size_t wire_length, ByteSpan frame,
                       Cancel cancel, const std::atomic<bool>* stop);

    ProtocolState& protocol_;
    ReplySlot& replies_;
    LinkTransport& transport_;
    PacketLog& log_;

    std::mutex run_mutex_;           // one transaction at a time
    mutable std::mutex sent_mutex_;  // guards the last frame sent
    std::array<std::uint8_t, vlp::kMaxStuffedLength> sent_{};
    std::size_t sent_frame_length_ = 0;  // before stuffing
};

}  // namespace zav::link
