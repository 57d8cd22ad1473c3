#pragma once
// The meeting point of the simulator's owner and its serving thread: faults
// to apply, frames seen, and events waiting for the next POLL. Every member
// function may be called from either thread.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "random_faults.h"
#include "zav/sim/simulator.h"

namespace zav::sim {

class SimulatorControl {
  public:
    // Replaces the fault for key. A fault of kind None or with times 0
    // removes it.
    void set_fault(CommandKey key, Fault fault);
    void clear_faults();
    // The fault that applies to a command of this key (its own, else the one
    // for every command), counting one use of it; kind None when none does.
    Fault take_fault(CommandKey key);

    // Notes a valid frame (unstuffed, start byte first) filed under key.
    void record_frame(CommandKey key, const std::uint8_t* frame, std::size_t length);
    std::size_t frames_received(CommandKey key) const;
    // The last valid frame, and its data bytes alone.
    std::vector<std::uint8_t> last_frame() const;
    std::vector<std::uint8_t> last_command() const;

    void queue_poll_events(const std::vector<std::uint8_t>& events);
    // Takes at most max_count queued event bytes, oldest first.
    std::vector<std::uint8_t> take_poll_events(std::size_t max_count);

    // Faults that strike `percent` of the commands without a fault of
    // their own.
    void set_random_faults(int percent, std::uint32_t seed) { random_.set(percent, seed); }

  private:
    RandomFaults random_;
    mutable std::mutex mutex_;  // guards every member below
    std::map<CommandKey, Fault> faults_;
    std::map<CommandKey, std::size_t> frame_counts_;
    std::size_t total_frames_ = 0;
    std::vector<std::uint8_t> last_frame_;
    std::deque<std::uint8_t> poll_events_;
};

}  // namespace zav::sim
