#include "transmitter.h"

#include <algorithm>

namespace zav::sim {
namespace {

constexpr std::int64_t kBitsPerByte = 11;
constexpr std::size_t kBacklogLimit = 64 * 1024;

}  // namespace

Transmitter::Transmitter(std::uint32_t wire_baud)
    : byte_time_ns_(wire_baud == 0 ? 0 : kBitsPerByte * 1'000'000'000 / wire_baud) {}

std::int64_t Transmitter::wire_time_us(std::size_t count) const {
    return static_cast<std::int64_t>(count) * byte_time_ns_ / 1000;
}

std::int64_t Transmitter::due_us(const Pending& pending, std::size_t index) const {
    return pending.start_us + wire_time_us(index);
}

void Transmitter::queue(std::vector<std::uint8_t> bytes, std::int64_t not_before_us) {
    if (bytes.empty() || backlog_ + bytes.size() > kBacklogLimit) return;
    std::int64_t start = not_before_us;
    if (!queue_.empty()) {
        const Pending& last = queue_.back();
        start = std::max(start, due_us(last, last.bytes.size()));
    }
    backlog_ += bytes.size();
    queue_.push_back({std::move(bytes), 0, start});
}

bool Transmitter::send_due(std::int64_t now_us, platform::PseudoTerminal& line) {
    waiting_for_room_ = false;
    while (!queue_.empty()) {
        Pending& front = queue_.front();
        if (now_us < due_us(front, front.sent)) return true;
        std::size_t due = front.bytes.size();
        if (byte_time_ns_ > 0) {
            const std::int64_t elapsed_ns = (now_us - front.start_us) * 1000;
            due = std::min(due, static_cast<std::size_t>(elapsed_ns / byte_time_ns_) + 1);
        }
        const long written = line.write_some(front.bytes.data() + front.sent, due - front.sent);
        if (written < 0) return false;
        front.sent += static_cast<std::size_t>(written);
        backlog_ -= static_cast<std::size_t>(written);
        if (front.sent < due) {
            waiting_for_room_ = true;
            return true;
        }
        if (front.sent < front.bytes.size()) return true;
        queue_.pop_front();
    }
    return true;
}

std::optional<std::int64_t> Transmitter::next_due_us() const {
    if (queue_.empty()) return std::nullopt;
    return due_us(queue_.front(), queue_.front().sent);
}

}  // namespace zav::sim
