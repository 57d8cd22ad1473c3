#include "transaction.h"

#include <algorithm>
#include <cstring>

#include "zav/platform/clock.h"

namespace zav::link {
namespace {

void clear_result(LinkPacket* result, std::uint16_t status) {
    result->status = status;
    result->length = 0;
    std::memset(result->data, 0, sizeof result->data);
}

bool stopped(const std::atomic<bool>* stop) {
    return stop && stop->load(std::memory_order_acquire);
}

platform::Deadline reply_deadline(const ProtocolState& protocol) {
    return platform::Deadline::after_ms(
        std::int64_t{protocol.timeout_seconds.load(std::memory_order_acquire)} * 1000);
}

}  // namespace

bool is_generic_reply(std::uint8_t code) {
    return code == 0xF0 || (code >= 0xF2 && code <= 0xFB);
}

void Transaction::run(std::uint8_t address, ByteSpan data, Cancel cancel, LinkPacket* result,
                      const std::atomic<bool>* stop) {
    if (!transport_.is_open()) return clear_result(result, kStatusNoPort);
    if (data.empty() || data.size() > vlp::kMaxDataLength || stopped(stop))
        return clear_result(result, kStatusNoReply);

    std::lock_guard serial(run_mutex_);
    const std::int32_t override_address = protocol_.address_override.load();
    if (override_address >= 0) address = static_cast<std::uint8_t>(override_address);

    replies_.clear();
    if (data[0] == kSyncCommand)
        protocol_.sequence_bit.store(vlp::kSequenceBit, std::memory_order_release);

    std::array<std::uint8_t, vlp::kMaxFrameLength> frame{};
    std::array<std::uint8_t, vlp::kMaxStuffedLength> wire{};
    const std::uint8_t addr_seq = address | protocol_.sequence_bit.load(std::memory_order_acquire);
    const std::size_t frame_length =
        vlp::build_frame(addr_seq, data.data(), data.size(), frame.data());
    const std::size_t wire_length = vlp::stuff(frame.data(), frame_length, wire.data());
    {
        std::lock_guard lock(sent_mutex_);
        std::memcpy(sent_.data(), wire.data(), wire_length);
        sent_frame_length_ = frame_length;
    }

    if (!send_and_wait(wire.data(), wire_length, ByteSpan(frame.data(), frame_length), cancel,
                       stop))
        return clear_result(result, kStatusNoReply);

    std::uint8_t reply[256];
    const std::size_t length = replies_.copy_reply(reply);
    // Any other first byte is the status itself; the record's length and
    // data stay as the caller left them.
    const bool generic = is_generic_reply(reply[0]);
    result->status = generic ? kStatusGenericReply : reply[0];
    if (!generic) return;
    result->length = static_cast<std::uint8_t>(length);
    std::memcpy(result->data, reply, length);
    std::memset(result->data + length, 0, sizeof result->data - length);
}

bool Transaction::send_and_wait(const std::uint8_t* wire, std::size_t wire_length, ByteSpan frame,
                                Cancel cancel, const std::atomic<bool>* stop) {
    const ByteSpan sent(wire, wire_length);
    transport_.write_frame(sent, frame);  // a failed write ends as a time-out
    platform::Deadline deadline = reply_deadline(protocol_);
    if (cancel == Cancel::ClearAfterSend) protocol_.cancel_requested.store(false);

    // The frame goes out once and again at each of the first N + 1
    // time-outs; the call gives up right after the resend at time-out N + 1.
    unsigned resends = 0;
    for (;;) {
        if (!replies_.wait(deadline, stop)) {
            if (stopped(stop)) return false;
            log_.no_reply();
            const unsigned retries = protocol_.retries.load(std::memory_order_acquire);
            if (retries == 0 || protocol_.cancel_requested.load()) return false;
            ++resends;
            transport_.write_frame(sent, frame);
            deadline = reply_deadline(protocol_);
        }
        if (resends > protocol_.retries.load(std::memory_order_acquire)) return false;
        if (replies_.received()) return true;
    }
}

void Transaction::copy_last_sent(LinkPacket* packet) const {
    std::lock_guard lock(sent_mutex_);
    packet->length = static_cast<std::uint8_t>(sent_frame_length_);
    std::memcpy(packet->data, sent_.data(), sent_frame_length_);
}

}  // namespace zav::link
