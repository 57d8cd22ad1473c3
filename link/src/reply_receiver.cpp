#include "reply_receiver.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace zav::link {

void ReplySlot::clear() {
    received_.store(false, std::memory_order_release);
}

void ReplySlot::publish(const std::uint8_t* data, std::size_t count) {
    {
        std::lock_guard lock(mutex_);
        reply_length_ = std::min(count, vlp::kMaxDataLength);
        std::memcpy(reply_.data(), data, reply_length_);
        reply_[reply_length_] = 0;
        received_.store(true, std::memory_order_release);
    }
    arrived_.notify_all();
}

bool ReplySlot::wait(const platform::Deadline& deadline, const std::atomic<bool>* stop) {
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_acquire); };
    std::unique_lock lock(mutex_);
    while (!received() && !stopped() && !deadline.expired())
        arrived_.wait_for(lock, std::chrono::milliseconds(deadline.remaining_ms64()));
    return received();
}

void ReplySlot::interrupt() {
    // Taking the lock orders this after a waiter's look at its stop flag.
    { std::lock_guard lock(mutex_); }
    arrived_.notify_all();
}

std::size_t ReplySlot::copy_reply(std::uint8_t* out) const {
    std::lock_guard lock(mutex_);
    std::memcpy(out, reply_.data(), reply_length_);
    return reply_length_;
}

void ReplySlot::store_last_frame(ByteSpan frame) {
    std::lock_guard lock(mutex_);
    last_frame_length_ = std::min(frame.size(), last_frame_.size());
    std::memcpy(last_frame_.data(), frame.data(), last_frame_length_);
}

void ReplySlot::copy_last_frame(LinkPacket* packet) const {
    std::lock_guard lock(mutex_);
    packet->length = static_cast<std::uint8_t>(last_frame_length_);
    std::memcpy(packet->data, last_frame_.data(), last_frame_length_);
}

void ReplyReceiver::on_byte(std::uint8_t byte) {
    const auto event = frames_.push(byte);
    if (event == vlp::FrameReceiver::Event::None) return;
    const ByteSpan frame(frames_.frame(), frames_.frame_length());
    slot_.store_last_frame(frame);
    if (event != vlp::FrameReceiver::Event::Frame) return;

    log_.receive(frame);
    const std::uint8_t expected = protocol_.sequence_bit.load(std::memory_order_acquire);
    if ((frames_.address_sequence() & vlp::kSequenceBit) != expected) return;  // a repeat
    protocol_.sequence_bit.store(expected ^ vlp::kSequenceBit, std::memory_order_release);
    slot_.publish(frames_.data(), frames_.data_length());
}

}  // namespace zav::link
