#include "port_transfer_link.h"

#include "zav/platform/clock.h"

namespace zav::link::download {
namespace {

// The bound on every wait for the output to drain: a port that stops
// draining fails the transfer instead of hanging it.
constexpr std::int64_t kDrainLimitMs = 1000;

}  // namespace

PortTransferLink::PortTransferLink(ProtocolState& protocol, Port& port, Transaction& transaction,
                                   const Messages& messages, const StopSignal& stop)
    : protocol_(protocol),
      port_(port),
      transaction_(transaction),
      messages_(messages),
      stop_(stop) {}

void PortTransferLink::command(ByteSpan data, LinkPacket* result) {
    transaction_.run(0, data, Transaction::Cancel::Keep, result, &stop_.flag());
}

void PortTransferLink::set_retry_parameters(std::uint8_t seconds, std::uint8_t retries) {
    protocol_.timeout_seconds.store(seconds);
    protocol_.retries.store(retries);
}

void PortTransferLink::flip_sequence() {
    protocol_.flip_sequence();
}

void PortTransferLink::clear_cancel() {
    protocol_.cancel_requested.store(false);
}

void PortTransferLink::reset_address_override() {
    protocol_.address_override.store(ProtocolState::kNoAddressOverride);
}

bool PortTransferLink::write_drained(ByteSpan bytes) {
    ReaderRouting& routing = port_.routing();
    routing.clear_transmit_empty();
    if (!port_.write_raw(bytes)) return false;
    const bool drained = routing.wait_until(platform::Deadline::after_ms(kDrainLimitMs), [&] {
        return routing.transmit_empty() || stop_.requested();
    });
    return drained && !stop_.requested();
}

void PortTransferLink::set_verify_mode(bool on) {
    port_.routing().set_verify_mode(on);
}

void PortTransferLink::expect_echo() {
    ReaderRouting& routing = port_.routing();
    routing.clear_verify_buffer();
    routing.release_echo();
}

bool PortTransferLink::wait_echo(std::uint8_t expected, std::int64_t limit_ms) {
    ReaderRouting& routing = port_.routing();
    routing.wait_until(platform::Deadline::after_ms(limit_ms), [&] {
        return routing.pending_echo() != ReaderRouting::kNoEcho ||
               protocol_.cancel_requested.load() || stop_.requested();
    });
    if (routing.pending_echo() == expected && !stop_.requested()) return true;
    // A cancel request ends this one wait.
    clear_cancel();
    return false;
}

bool PortTransferLink::pause(std::int64_t ms) {
    return stop_.sleep_ms(ms);
}

std::int32_t PortTransferLink::baud() const {
    return port_.baud();
}

bool PortTransferLink::set_baud(std::int32_t rate, bool fast) {
    return port_.set_baud(rate, fast ? "Failed setting commsPD parameters"
                                     : "Failed setting comms parameters") == 1;
}

bool PortTransferLink::open_port(int n) {
    return port_.open(n) == 1;
}

void PortTransferLink::close_port() {
    port_.close();
}

DriverKind PortTransferLink::driver_kind(int n) {
    return zav::link::driver_kind(n);
}

void PortTransferLink::message(const char* text) {
    messages_.show("Set Comms", text);
}

}  // namespace zav::link::download
