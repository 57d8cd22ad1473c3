#pragma once
// What a transfer needs from the link: commands through the transaction,
// raw writes, echo waits, pauses and the port. The library runs transfers
// over the real port; tests run them over a scripted validator.
#include <cstdint>

#include "ZavtekVLP.h"
#include "driver_kind.h"
#include "packet_log_format.h"

namespace zav::link::download {

class TransferLink {
  public:
    virtual ~TransferLink() = default;

    // Sends a command to address 0 (unless the address override is set) and
    // fills result as Command does. A cancel request stays in force. Once
    // the transfer is being stopped the reply wait ends at once and nothing
    // more is sent (status 2).
    virtual void command(ByteSpan data, LinkPacket* result) = 0;
    // Reply time-out in seconds and retry count.
    virtual void set_retry_parameters(std::uint8_t seconds, std::uint8_t retries) = 0;
    virtual void flip_sequence() = 0;
    virtual void clear_cancel() = 0;
    virtual void reset_address_override() = 0;

    // Writes raw bytes and waits up to 1 s for the output to drain. False
    // when the write fails, the output does not drain or the transfer is
    // being stopped.
    virtual bool write_drained(ByteSpan bytes) = 0;
    virtual void set_verify_mode(bool on) = 0;
    // Forgets any byte received so far, so that the next byte is taken as
    // the echo. Called before the write that provokes the echo.
    virtual void expect_echo() = 0;
    // Waits up to limit_ms for the echo. True when it is `expected`; false
    // on time-out, another byte, a cancel request (which it clears) or a
    // stop.
    virtual bool wait_echo(std::uint8_t expected, std::int64_t limit_ms) = 0;
    // Sleeps; false (at once) when the transfer is being stopped.
    virtual bool pause(std::int64_t ms) = 0;

    virtual std::int32_t baud() const = 0;
    // SetBaud (fast = false) or SetFastBaud: false when the rate could not
    // be applied (the port is then closed).
    virtual bool set_baud(std::int32_t baud, bool fast) = 0;
    virtual bool open_port(int n) = 0;
    virtual void close_port() = 0;
    virtual DriverKind driver_kind(int n) = 0;
    // A message for the user (caption "Set Comms"), in message mode.
    virtual void message(const char* text) = 0;
};

}  // namespace zav::link::download
