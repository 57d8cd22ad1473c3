#include "zav/platform/clock.h"

#include <time.h>

#include <cerrno>
#include <climits>

namespace zav::platform {
namespace {

std::int64_t now_ns(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

constexpr std::int64_t kNever = INT64_MAX;

}  // namespace

std::int64_t monotonic_ms() { return now_ns(CLOCK_MONOTONIC) / 1'000'000; }

std::uint32_t tick_count() {
    return static_cast<std::uint32_t>(now_ns(CLOCK_BOOTTIME) / 1'000'000);
}

void sleep_ms(std::int64_t ms) {
    if (ms <= 0) return;
    timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>((ms % 1000) * 1'000'000)};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

Deadline Deadline::after_ms(std::int64_t ms) {
    return Deadline(now_ns(CLOCK_MONOTONIC) + (ms > 0 ? ms : 0) * 1'000'000);
}

Deadline Deadline::never() { return Deadline(kNever); }

bool Deadline::expired() const {
    return at_ns_ != kNever && now_ns(CLOCK_MONOTONIC) >= at_ns_;
}

std::int64_t Deadline::remaining_ms64() const {
    if (at_ns_ == kNever) return INT64_MAX;
    const std::int64_t left = at_ns_ - now_ns(CLOCK_MONOTONIC);
    if (left <= 0) return 0;
    return (left + 999'999) / 1'000'000;
}

int Deadline::remaining_ms() const {
    if (at_ns_ == kNever) return -1;
    const std::int64_t left = remaining_ms64();
    return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

}  // namespace zav::platform
