#pragma once
// A serial device (or pseudo-terminal) opened by path: line settings, DTR,
// non-blocking byte I/O, queue counts and blocking waits with deadlines.
#include <cstddef>
#include <cstdint>
#include <string>

#include "zav/platform/clock.h"

namespace zav::platform {

enum class Parity { None, Even, Odd, Mark, Space };

struct LineSettings {
    std::uint32_t baud = 9600;
    int data_bits = 8;  // 5..8
    Parity parity = Parity::None;
    int stop_bits = 1;     // 1 or 2
    bool rts_cts = false;  // hardware flow control
};

// True when the line can be set to this baud rate.
bool baud_supported(std::uint32_t baud);

// Wakes a thread blocked in SerialDevice::wait_input from another thread.
class Waker {
public:
    Waker();
    ~Waker();
    Waker(const Waker&) = delete;
    Waker& operator=(const Waker&) = delete;
    void wake();   // makes the next (or current) wait return Woken
    void clear();  // consumes a pending wake
    int fd() const { return fd_; }

private:
    int fd_;
};

enum class WaitResult { Ready, Timeout, Woken, Error };

class SerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;
    SerialDevice(SerialDevice&& other) noexcept;
    SerialDevice& operator=(SerialDevice&& other) noexcept;

    // Opens an existing device for reading and writing, non-blocking and
    // exclusive. Returns false (and keeps errno) on failure.
    bool open(const std::string& path);
    bool is_open() const { return fd_ >= 0; }
    // Releases the device. Returns false if the system reported an error.
    bool close();
    int fd() const { return fd_; }

    // Raw mode with the given settings (hardware flow control on or off as
    // they say). False when the driver refuses them.
    bool apply(const LineSettings& settings);
    // Reads back what the driver has now. False on failure.
    bool read_settings(LineSettings* settings) const;
    // Sets or clears DTR. A device without modem lines (a pseudo-terminal)
    // accepts this as a no-op.
    bool set_dtr(bool on);

    // Non-blocking write; returns bytes written (possibly fewer), or -1.
    long write_some(const std::uint8_t* data, std::size_t count);
    // Writes all bytes, waiting in poll() for room until the deadline.
    // Returns bytes written.
    std::size_t write_all(const std::uint8_t* data, std::size_t count, const Deadline& deadline);
    // Non-blocking read; returns bytes read (0 when nothing is queued), or -1.
    long read_some(std::uint8_t* data, std::size_t count);

    // Bytes waiting in the input queue, or -1 on failure.
    int input_queued() const;
    // Bytes still waiting in the output queue, or -1 on failure.
    int output_queued() const;
    // Discards queued input.
    void flush_input();

    // Blocks until input is queued, the deadline passes, or the waker fires.
    WaitResult wait_input(const Deadline& deadline, const Waker* waker = nullptr) const;
    // Blocks until the output queue is empty or the deadline passes.
    bool wait_output_drained(const Deadline& deadline) const;

private:
    int fd_ = -1;
};

}  // namespace zav::platform
