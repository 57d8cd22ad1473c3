#pragma once
// Asks a download worker to stop: its pauses end at once and its echo and
// drain waits look at requested() when woken.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace zav::link::download {

class StopSignal {
  public:
    void request();
    void reset();
    bool requested() const { return requested_.load(std::memory_order_acquire); }
    // The flag itself, for waits that look at it (the command transaction).
    const std::atomic<bool>& flag() const { return requested_; }
    // Sleeps ms milliseconds; false (at once) when a stop is requested.
    bool sleep_ms(std::int64_t ms) const;

  private:
    std::atomic<bool> requested_{false};
    mutable std::mutex mutex_;  // pairs with changed_ for sleep_ms
    mutable std::condition_variable changed_;
};

}  // namespace zav::link::download
