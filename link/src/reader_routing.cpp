#include "reader_routing.h"

#include <algorithm>
#include <cstring>

namespace zav::link {

bool ReaderRouting::route(std::uint8_t byte, ByteSink& frames) {
    if (bulk_mode_.load(std::memory_order_acquire)) {
        std::lock_guard lock(mutex_);
        if (bulk_mode_.load(std::memory_order_relaxed)) {
            const std::size_t count = bulk_count_.load(std::memory_order_relaxed);
            if (count < bulk_capacity_) bulk_dest_[count] = byte;
            bulk_count_.store(count + 1, std::memory_order_release);
            changed_.notify_all();
            return true;
        }
    }
    if (!verify_mode_.load(std::memory_order_acquire)) {
        frames.on_byte(byte);
        return true;
    }
    std::lock_guard lock(mutex_);
    if (pending_echo_.load(std::memory_order_acquire) != kNoEcho) return false;
    if (verify_count_ < kVerifyCapacity) verify_[verify_count_++] = byte;
    pending_echo_.store(byte, std::memory_order_release);
    changed_.notify_all();
    return true;
}

void ReaderRouting::set_transmit_empty() {
    std::lock_guard lock(mutex_);
    transmit_empty_.store(true, std::memory_order_release);
    changed_.notify_all();
}

void ReaderRouting::set_verify_mode(bool on) {
    std::lock_guard lock(mutex_);
    if (on) verify_count_ = 0;
    verify_mode_.store(on, std::memory_order_release);
    reader_waker_.wake();  // held bytes may now flow to the frame receiver
}

void ReaderRouting::release_echo() {
    pending_echo_.store(kNoEcho, std::memory_order_release);
    reader_waker_.wake();
}

std::size_t ReaderRouting::verify_bytes(std::uint8_t* out, std::size_t capacity) const {
    std::lock_guard lock(mutex_);
    std::memcpy(out, verify_.data(), std::min(capacity, verify_count_));
    return verify_count_;
}

void ReaderRouting::clear_verify_buffer() {
    std::lock_guard lock(mutex_);
    verify_count_ = 0;
}

void ReaderRouting::start_bulk(std::uint8_t* dest, std::size_t capacity) {
    std::lock_guard lock(mutex_);
    bulk_dest_ = dest;
    bulk_capacity_ = dest ? capacity : 0;
    bulk_count_.store(0, std::memory_order_release);
    bulk_mode_.store(true, std::memory_order_release);
}

void ReaderRouting::stop_bulk() {
    std::lock_guard lock(mutex_);
    bulk_mode_.store(false, std::memory_order_release);
    bulk_dest_ = nullptr;
    bulk_capacity_ = 0;
    reader_waker_.wake();
}

void ReaderRouting::notify_waiters() {
    std::lock_guard lock(mutex_);
    changed_.notify_all();
}

}  // namespace zav::link
