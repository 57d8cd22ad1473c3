#pragma once
// The receiving half of the command transaction: frames assembled on the
// reader thread, and the reply handed over to the waiting caller.
#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "ZavtekVLP.h"
#include "link_transport.h"
#include "packet_log.h"
#include "protocol_state.h"
#include "vlp_frame.h"
#include "zav/platform/clock.h"

namespace zav::link {

// The reply flag and data, and the last frame received. The reader
// publishes a reply (data first, then the flag, under the lock the caller
// waits on); the caller clears the flag before it sends.
class ReplySlot {
  public:
    void clear();
    void publish(const std::uint8_t* data, std::size_t count);
    // Blocks until a reply is published, the deadline passes or *stop (when
    // given) is set and interrupt() is called. True when a reply is there.
    bool wait(const platform::Deadline& deadline, const std::atomic<bool>* stop = nullptr);
    // Wakes a waiter so it looks at its stop flag.
    void interrupt();
    bool received() const { return received_.load(std::memory_order_acquire); }
    // Copies the reply's data bytes to out (255 bytes); returns their count.
    std::size_t copy_reply(std::uint8_t* out) const;

    void store_last_frame(ByteSpan frame);
    // length = frame length, data = the frame without stuffing.
    void copy_last_frame(LinkPacket* packet) const;

  private:
    std::atomic<bool> received_{false};
    mutable std::mutex mutex_;  // guards everything below
    std::condition_variable arrived_;
    std::array<std::uint8_t, 256> reply_{};
    std::size_t reply_length_ = 0;
    std::array<std::uint8_t, vlp::kMaxFrameLength> last_frame_{};
    std::size_t last_frame_length_ = 0;
};

// Takes frame-mode bytes from the reader: assembles frames, logs the valid
// ones, and accepts one as the reply when its sequence bit is the expected
// one (which then toggles). Everything else is dropped silently.
class ReplyReceiver : public ByteSink {
  public:
    ReplyReceiver(ProtocolState& protocol, ReplySlot& slot, PacketLog& log)
        : protocol_(protocol), slot_(slot), log_(log) {}
    void on_byte(std::uint8_t byte) override;

  private:
    ProtocolState& protocol_;
    ReplySlot& slot_;
    PacketLog& log_;
    vlp::FrameReceiver frames_;  // reader thread only
};

}  // namespace zav::link
