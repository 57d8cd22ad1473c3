#include "stop_signal.h"

#include "zav/platform/clock.h"

namespace zav::link::download {

void StopSignal::request() {
    std::lock_guard lock(mutex_);
    requested_.store(true, std::memory_order_release);
    changed_.notify_all();
}

void StopSignal::reset() {
    requested_.store(false, std::memory_order_release);
}

bool StopSignal::sleep_ms(std::int64_t ms) const {
    const platform::Deadline deadline = platform::Deadline::after_ms(ms);
    std::unique_lock lock(mutex_);
    while (!requested() && !deadline.expired())
        changed_.wait_for(lock, std::chrono::milliseconds(deadline.remaining_ms64()));
    return !requested();
}

}  // namespace zav::link::download
