#include "port.h"

#include <array>
#include <string>

#include "zav/platform/clock.h"
#include "zav/platform/ports.h"
#include "zav/platform/wake_wait.h"

namespace zav::link {
namespace {

constexpr int kOpenAttempts = 6;
constexpr int kOpenAttemptPauseMs = 100;
// A write never blocks the caller longer than this when the output queue
// is full.
constexpr int kWriteLimitMs = 500;
// While output is queued the reader looks at the queue this often.
constexpr int kTransmitPollMs = 2;
// After a device error (for example a hang-up) the reader retries this often.
constexpr int kErrorRetryMs = 50;

constexpr const char* kSetCommsCaption = "Set Comms";

}  // namespace

Port::Port(PacketLog& log, const Messages& messages, ByteSink& frames)
    : log_(log), messages_(messages), frames_(frames) {}

Port::~Port() {
    close_mode_.store(false);
    std::lock_guard lock(control_mutex_);
    close_device(nullptr);
}

// Each public call that may raise a message declares its DeferredMessages
// before taking the lock: they are shown after the lock is released.

std::int16_t Port::open(int n) {
    DeferredMessages messages(messages_);
    std::lock_guard lock(control_mutex_);
    if (n == open_port_number()) return 1;
    if (n < 1 || n > kMaxPortNumber) return 0;
    if (is_open()) {
        if (!close_mode_.load()) return 1;
        close_device(&messages);
    }
    if (!open_device(n)) {
        messages.show("COM" + std::to_string(n), "Unable To open this port");
        return 0;
    }
    platform::LineSettings driver_settings;
    if (!device_.read_settings(&driver_settings)) {
        close_mode_.store(false);
        device_.close();
        return 0;
    }
    dtr_.reset();
    rts_cts_ = driver_settings.rts_cts;
    open_port_.store(n, std::memory_order_release);
    if (!apply_line_settings(messages)) {
        close_mode_.store(false);
        close_device(&messages);
        messages.show(kSetCommsCaption, "Failed setting comms parameters");
        return 0;
    }
    start_reader();
    return 1;
}

bool Port::open_device(int n) {
    const std::string path = platform::port_device_path(n);
    // Every attempt, successful or not, is followed by a pause: the device
    // settles before the first write.
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const bool opened = !path.empty() && device_.open(path);
        platform::sleep_ms(kOpenAttemptPauseMs);
        if (opened) return true;
    }
    return false;
}

bool Port::apply_line_settings(DeferredMessages& messages) {
    const std::int32_t rate = baud();
    const platform::LineSettings settings{static_cast<std::uint32_t>(rate > 0 ? rate : 0), 8,
                                          platform::Parity::None, 2, rts_cts_};
    const bool ok = device_.is_open() && device_.apply(settings) &&
                    (!dtr_.has_value() || device_.set_dtr(*dtr_));
    if (!ok) {
        close_device(&messages);
        messages.show("SetupComm", "Error setting new comms params");
    }
    return ok;
}

void Port::close() {
    DeferredMessages messages(messages_);
    std::lock_guard lock(control_mutex_);
    close_device(&messages);
}

void Port::close_comm() {
    if (!close_mode_.load()) close();
}

void Port::close_device(DeferredMessages* messages) {
    if (!is_open()) return;
    stop_reader();
    const bool released = device_.close();
    open_port_.store(0, std::memory_order_release);
    if (!released && messages) messages->show("Close Port", "Failed to close port");
}

std::int16_t Port::set_baud(std::int32_t rate, const char* failure_text) {
    DeferredMessages messages(messages_);
    std::lock_guard lock(control_mutex_);
    baud_.store(rate, std::memory_order_release);
    if (apply_line_settings(messages)) return 1;
    close_mode_.store(false);
    close_device(&messages);
    messages.show(kSetCommsCaption, failure_text);
    return 0;
}

std::int16_t Port::set_dtr(int value) {
    if (value > 1) return 0;
    DeferredMessages messages(messages_);
    std::lock_guard lock(control_mutex_);
    if (value >= 0) dtr_ = value == 1;
    if (apply_line_settings(messages)) return 1;
    close_mode_.store(false);
    close_device(&messages);
    messages.show(kSetCommsCaption, "Failed setting DTR parameters");
    return 0;
}

bool Port::write_frame(ByteSpan wire, ByteSpan frame) {
    return write_block(wire, frame);
}

bool Port::write_raw(ByteSpan bytes) {
    return write_block(bytes, bytes);
}

bool Port::write_block(ByteSpan wire, ByteSpan frame) {
    std::lock_guard lock(control_mutex_);
    if (!is_open()) return false;
    log_.transmit(wire, frame);
    const std::size_t written =
        device_.write_all(wire.data(), wire.size(), platform::Deadline::after_ms(kWriteLimitMs));
    // The transmit-empty report: at once when the queue is already empty (a
    // pseudo-terminal), otherwise from the reader once it drains.
    if (device_.output_queued() == 0) {
        routing_.set_transmit_empty();
    } else {
        watch_transmit_.store(true, std::memory_order_release);
        reader_waker_.wake();
    }
    return written == wire.size();
}

void Port::start_reader() {
    reader_waker_.clear();
    running_.store(true, std::memory_order_release);
    reader_ = std::thread([this] { reader_loop(); });
}

void Port::stop_reader() {
    running_.store(false, std::memory_order_release);
    reader_waker_.wake();
    if (reader_.joinable()) reader_.join();
    watch_transmit_.store(false, std::memory_order_release);
}

void Port::reader_loop() {
    std::array<std::uint8_t, 256> input{};
    std::size_t next = 0, end = 0;  // received bytes not yet routed
    bool device_failed = false;

    while (running_.load(std::memory_order_acquire)) {
        const bool watching = watch_transmit_.load(std::memory_order_acquire);
        if (watching && device_.output_queued() <= 0) {
            watch_transmit_.store(false, std::memory_order_release);
            routing_.set_transmit_empty();
        }
        while (next < end && routing_.route(input[next], frames_)) ++next;

        const platform::Deadline until = watch_transmit_.load(std::memory_order_acquire)
                                             ? platform::Deadline::after_ms(kTransmitPollMs)
                                             : platform::Deadline::never();
        platform::WaitResult result;
        if (next < end) {
            // Held back until the echo byte is released.
            result = platform::wait_for_wake(reader_waker_, until);
        } else if (device_failed) {
            result =
                platform::wait_for_wake(reader_waker_, platform::Deadline::after_ms(kErrorRetryMs));
            device_failed = false;
        } else {
            result = device_.wait_input(until, &reader_waker_);
        }

        switch (result) {
            case platform::WaitResult::Woken:
                reader_waker_.clear();
                break;
            case platform::WaitResult::Error:
                device_failed = true;
                break;
            case platform::WaitResult::Timeout:
                break;
            case platform::WaitResult::Ready: {
                const long n = device_.read_some(input.data(), input.size());
                if (n < 0) device_failed = true;
                next = 0;
                end = n > 0 ? static_cast<std::size_t>(n) : 0;
                break;
            }
        }
    }
}

}  // namespace zav::link
