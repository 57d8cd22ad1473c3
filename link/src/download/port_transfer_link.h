#pragma once
// The transfers' link over the library's own port, transaction and reader
// routing. Echo and drain waits block on the routing's condition variable
// with their deadlines; a cancel request or a stop wakes them.
#include "messages.h"
#include "port.h"
#include "protocol_state.h"
#include "stop_signal.h"
#include "transaction.h"
#include "transfer_link.h"

namespace zav::link::download {

class PortTransferLink final : public TransferLink {
  public:
    PortTransferLink(ProtocolState& protocol, Port& port, Transaction& transaction,
                     const Messages& messages, const StopSignal& stop);

    void command(ByteSpan data, LinkPacket* result) override;
    void set_retry_parameters(std::uint8_t seconds, std::uint8_t retries) override;
    void flip_sequence() override;
    void clear_cancel() override;
    void reset_address_override() override;
    bool write_drained(ByteSpan bytes) override;
    void set_verify_mode(bool on) override;
    void expect_echo() override;
    bool wait_echo(std::uint8_t expected, std::int64_t limit_ms) override;
    bool pause(std::int64_t ms) override;
    std::int32_t baud() const override;
    bool set_baud(std::int32_t baud, bool fast) override;
    bool open_port(int n) override;
    void close_port() override;
    DriverKind driver_kind(int n) override;
    void message(const char* text) override;

  private:
    ProtocolState& protocol_;
    Port& port_;
    Transaction& transaction_;
    const Messages& messages_;
    const StopSignal& stop_;
};

}  // namespace zav::link::download
