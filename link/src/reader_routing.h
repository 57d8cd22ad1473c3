#pragma once
// Where the reader thread puts each received byte, and what it reports to
// the services that wait on it: frame mode (the reply receiver), verify mode
// (one echo byte at a time into the verify buffer) and bulk mode (straight
// into a caller's buffer), plus the transmit-empty flag.
//
// The reader is the only writer of received data and the pending echo byte;
// the port sets the transmit-empty flag (at once when the output queue is
// already empty, otherwise from the reader once it drains). The services
// only clear them. Waiters block on one condition variable that every
// routed echo or bulk byte, every transmit-empty report and
// notify_waiters() wake.
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "link_transport.h"
#include "zav/platform/clock.h"
#include "zav/platform/serial_device.h"

namespace zav::link {

class ReaderRouting {
  public:
    static constexpr std::size_t kVerifyCapacity = 127;
    static constexpr int kNoEcho = -1;

    // reader_waker wakes the reader when a held echo byte is released.
    explicit ReaderRouting(platform::Waker& reader_waker) : reader_waker_(reader_waker) {}

    // --- reader side ---
    // Routes one received byte. False when it must stay queued: verify mode
    // with an echo byte still pending.
    bool route(std::uint8_t byte, ByteSink& frames);
    void set_transmit_empty();

    // --- service side ---
    // Verify mode on empties the verify buffer; the pending echo is left as
    // it is.
    void set_verify_mode(bool on);
    bool verify_mode() const { return verify_mode_.load(std::memory_order_acquire); }
    // The pending echo byte (0..255) or kNoEcho.
    int pending_echo() const { return pending_echo_.load(std::memory_order_acquire); }
    // Sets the pending echo back to kNoEcho so the reader takes the next byte.
    void release_echo();
    // Copies up to `capacity` verify-buffer bytes to out; returns the count
    // of bytes in the buffer.
    std::size_t verify_bytes(std::uint8_t* out, std::size_t capacity) const;
    void clear_verify_buffer();

    // Bulk mode: every byte goes to dest (bytes beyond capacity are dropped)
    // until stop_bulk(). dest must stay valid until stop_bulk() returns.
    void start_bulk(std::uint8_t* dest, std::size_t capacity);
    void stop_bulk();
    std::size_t bulk_count() const { return bulk_count_.load(std::memory_order_acquire); }

    void clear_transmit_empty() { transmit_empty_.store(false, std::memory_order_release); }
    bool transmit_empty() const { return transmit_empty_.load(std::memory_order_acquire); }

    // Blocks until done() is true or the deadline passes; returns done().
    template <typename Done>
    bool wait_until(const platform::Deadline& deadline, Done done) {
        std::unique_lock lock(mutex_);
        while (!done() && !deadline.expired())
            changed_.wait_for(lock, std::chrono::milliseconds(deadline.remaining_ms64()));
        return done();
    }
    // Wakes every waiter so it looks at its condition again (for example
    // after a cancel request).
    void notify_waiters();

  private:
    platform::Waker& reader_waker_;
    std::atomic<bool> verify_mode_{false};
    std::atomic<bool> bulk_mode_{false};
    std::atomic<int> pending_echo_{kNoEcho};
    std::atomic<bool> transmit_empty_{false};
    std::atomic<std::size_t> bulk_count_{0};

    mutable std::mutex mutex_;  // guards the buffers below and the waits
    std::condition_variable changed_;
    std::array<std::uint8_t, kVerifyCapacity> verify_{};
    std::size_t verify_count_ = 0;
    std::uint8_t* bulk_dest_ = nullptr;
    std::size_t bulk_capacity_ = 0;
};

}  // namespace zav::link
