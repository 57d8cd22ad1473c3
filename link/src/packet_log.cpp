#include "packet_log.h"

#include "zav/platform/clock.h"

namespace zav::link {

bool PacketLog::open(const std::string& name) {
    std::ofstream file(name.substr(0, kMaxNameLength), std::ios::out | std::ios::app);
    if (!file.is_open()) return false;
    std::lock_guard lock(mutex_);
    out_ = std::move(file);
    start_ms_ = platform::monotonic_ms();
    previous_ms_ = 0;
    sequence_ = 0;
    enabled_.store(true, std::memory_order_release);
    return true;
}

void PacketLog::close() {
    std::lock_guard lock(mutex_);
    enabled_.store(false, std::memory_order_release);
    if (out_.is_open()) out_.close();
}

std::int64_t PacketLog::take_ms_since_previous() {
    const std::int64_t since_start = platform::monotonic_ms() - start_ms_;
    const std::int64_t elapsed = since_start - previous_ms_;
    previous_ms_ = since_start;
    return elapsed;
}

void PacketLog::write(const std::string& text) {
    out_ << text;
    out_.flush();
}

void PacketLog::transmit(ByteSpan wire, ByteSpan frame) {
    if (!enabled()) return;
    std::lock_guard lock(mutex_);
    if (!out_.is_open()) return;
    std::string text = transmit_header(sequence_++, platform::local_time_now());
    text += frame_block(FrameDirection::Transmit, take_ms_since_previous(), wire, frame, false);
    last_was_poll_ = frame.size() > 3 && frame[3] == kPollCommand;
    write(text);
}

void PacketLog::receive(ByteSpan frame) {
    if (!enabled()) return;
    std::lock_guard lock(mutex_);
    if (!out_.is_open()) return;
    write(frame_block(FrameDirection::Receive, take_ms_since_previous(), frame, frame,
                      last_was_poll_) +
          "   \n");
}

void PacketLog::no_reply() {
    if (!enabled()) return;
    std::lock_guard lock(mutex_);
    if (out_.is_open()) write(" << !!! NO REPLY MONITORED !!! >>\n");
}

}  // namespace zav::link
