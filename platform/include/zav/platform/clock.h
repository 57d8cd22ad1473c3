#pragma once
// Monotonic time, the system tick count, sleeping, and the one deadline
// helper every wait in the project uses.
#include <cstdint>

namespace zav::platform {

// Milliseconds on a monotonic clock (never goes backwards; arbitrary origin).
std::int64_t monotonic_ms();

// The system tick count: milliseconds since boot, wrapping at 2^32.
std::uint32_t tick_count();

// Sleeps for at least ms milliseconds (0 or less returns at once).
void sleep_ms(std::int64_t ms);

// A point in monotonic time to wait for. Remaining time is rounded up, so a
// wait that blocks for remaining_ms() never wakes before the deadline and
// never has to spin on a sub-millisecond remainder.
class Deadline {
public:
    // A deadline ms milliseconds from now.
    static Deadline after_ms(std::int64_t ms);
    // A deadline that never expires.
    static Deadline never();

    bool expired() const;
    // Milliseconds left, rounded up, at least 0; -1 for a deadline that never
    // expires (the convention poll() uses for "no limit").
    int remaining_ms() const;
    // Milliseconds left as a signed 64-bit value (0 once expired).
    std::int64_t remaining_ms64() const;

private:
    explicit Deadline(std::int64_t at_ns) : at_ns_(at_ns) {}
    std::int64_t at_ns_;
};

}  // namespace zav::platform
