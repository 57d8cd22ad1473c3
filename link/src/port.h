#pragma once
// The one serial port the library drives: open by number, line settings
// (stored baud rate, 8 data bits, no parity, 2 stop bits, DTR; hardware flow
// control as the driver had it at open), close, raw writes, and the reader
// thread that routes every received byte. Messages raised under the port's
// lock reach the handler only once the lock is released.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "link_transport.h"
#include "messages.h"
#include "packet_log.h"
#include "reader_routing.h"
#include "zav/platform/serial_device.h"

namespace zav::link {

class Port : public LinkTransport {
  public:
    static constexpr int kMaxPortNumber = 256;
    static constexpr std::int32_t kDefaultBaud = 9600;

    Port(PacketLog& log, const Messages& messages, ByteSink& frames);
    // Unloading: close mode off and the port closed, without messages.
    ~Port() override;
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    // OpenPort: 1 when COM<n> is open or already was (also n = 0 while none
    // is open, and any n while another port is open and close mode is off);
    // 0 on failure or for n outside 1..256.
    std::int16_t open(int n);
    // Closes the port if one is open (stops and joins the reader first).
    void close();
    // CloseComm: closes unless close mode is on.
    void close_comm();

    // SetBaud / SetFastBaud: stores the rate and applies it; on failure the
    // port is closed and failure_text is shown. Returns 1 or 0.
    std::int16_t set_baud(std::int32_t baud, const char* failure_text);
    std::int32_t baud() const { return baud_.load(std::memory_order_acquire); }
    // SetDTR: 0 off, 1 on, negative leaves the choice; above 1 returns 0.
    std::int16_t set_dtr(int value);
    void set_close_mode(bool on) { close_mode_.store(on, std::memory_order_release); }
    bool close_mode() const { return close_mode_.load(std::memory_order_acquire); }

    int open_port_number() const { return open_port_.load(std::memory_order_acquire); }
    bool is_open() const override { return open_port_number() > 0; }
    bool write_frame(ByteSpan wire, ByteSpan frame) override;
    // Writes raw bytes (logged as if they were a frame). False when no port
    // is open or the write failed.
    bool write_raw(ByteSpan bytes);

    ReaderRouting& routing() { return routing_; }

  private:
    bool open_device(int n);
    bool apply_line_settings(DeferredMessages& messages);
    bool write_block(ByteSpan wire, ByteSpan frame);
    // messages: where a failure to release the device is reported (none
    // when unloading).
    void close_device(DeferredMessages* messages);
    void start_reader();
    void stop_reader();
    void reader_loop();

    PacketLog& log_;
    const Messages& messages_;
    ByteSink& frames_;

    std::atomic<std::int32_t> baud_{kDefaultBaud};
    std::atomic<bool> close_mode_{false};
    std::atomic<int> open_port_{0};

    // Guards the device, the DTR and flow-control choices and the reader's
    // start/stop.
    std::mutex control_mutex_;
    platform::SerialDevice device_;
    std::optional<bool> dtr_;  // unset: as the driver has it after open
    bool rts_cts_ = false;     // as the driver reported it at open
    std::thread reader_;

    std::atomic<bool> running_{false};
    std::atomic<bool> watch_transmit_{false};  // output queued; reader reports when it drains
    platform::Waker reader_waker_;
    ReaderRouting routing_{reader_waker_};
};

}  // namespace zav::link
