#pragma once
// The narrow interface the command transaction runs on: a real port in the
// library, an in-memory pipe in tests.
#include "packet_log_format.h"

namespace zav::link {

class LinkTransport {
  public:
    virtual ~LinkTransport() = default;
    // True while a port is open.
    virtual bool is_open() const = 0;
    // Writes a frame; `wire` is what goes on the line, `frame` the same
    // before stuffing (for the log). False when the write failed.
    virtual bool write_frame(ByteSpan wire, ByteSpan frame) = 0;
};

// Takes the received bytes the reader hands to the frame receiver.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void on_byte(std::uint8_t byte) = 0;
};

}  // namespace zav::link
