#include "simulator_control.h"

#include <algorithm>

namespace zav::sim {
namespace {

constexpr std::size_t kFrameHeader = 3;   // start, address/sequence, length
constexpr std::size_t kFrameTrailer = 2;  // CRCL, CRCH

}  // namespace

void SimulatorControl::set_fault(CommandKey key, Fault fault) {
    std::lock_guard lock(mutex_);
    if (fault.kind == Fault::Kind::None || fault.times == 0) {
        faults_.erase(key);
    } else {
        faults_[key] = std::move(fault);
    }
}

void SimulatorControl::clear_faults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

Fault SimulatorControl::take_fault(CommandKey key) {
    std::lock_guard lock(mutex_);
    auto it = faults_.find(key);
    if (it == faults_.end()) it = faults_.find(kAnyCommand);
    if (it == faults_.end()) return random_.strikes() ? random_.link_fault() : Fault{};
    if (it->second.after > 0) {
        --it->second.after;
        return Fault{};
    }
    Fault fault = it->second;
    if (it->second.times > 0 && --it->second.times == 0) faults_.erase(it);
    return fault;
}

void SimulatorControl::record_frame(CommandKey key, const std::uint8_t* frame, std::size_t length) {
    std::lock_guard lock(mutex_);
    ++frame_counts_[key];
    ++total_frames_;
    last_frame_.assign(frame, frame + length);
}

std::size_t SimulatorControl::frames_received(CommandKey key) const {
    std::lock_guard lock(mutex_);
    if (key == kAnyCommand) return total_frames_;
    const auto it = frame_counts_.find(key);
    return it == frame_counts_.end() ? 0 : it->second;
}

std::vector<std::uint8_t> SimulatorControl::last_frame() const {
    std::lock_guard lock(mutex_);
    return last_frame_;
}

std::vector<std::uint8_t> SimulatorControl::last_command() const {
    std::lock_guard lock(mutex_);
    if (last_frame_.size() < kFrameHeader + kFrameTrailer) return {};
    return {last_frame_.begin() + kFrameHeader, last_frame_.end() - kFrameTrailer};
}

void SimulatorControl::queue_poll_events(const std::vector<std::uint8_t>& events) {
    std::lock_guard lock(mutex_);
    poll_events_.insert(poll_events_.end(), events.begin(), events.end());
}

std::vector<std::uint8_t> SimulatorControl::take_poll_events(std::size_t max_count) {
    std::lock_guard lock(mutex_);
    const std::size_t count = std::min(max_count, poll_events_.size());
    std::vector<std::uint8_t> events(poll_events_.begin(), poll_events_.begin() + count);
    poll_events_.erase(poll_events_.begin(), poll_events_.begin() + count);
    return events;
}

}  // namespace zav::sim
