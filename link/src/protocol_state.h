#pragma once
// Library-wide protocol state of the command transaction. Shared by the
// caller's thread, the reader thread and the download worker, so every
// item is atomic.
#include <atomic>
#include <cstdint>

#include "vlp_frame.h"

namespace zav::link {

struct ProtocolState {
    static constexpr std::uint8_t kDefaultTimeoutSeconds = 1;
    static constexpr std::uint8_t kDefaultRetries = 5;
    static constexpr std::int32_t kNoAddressOverride = -1;

    // 0x00 or 0x80: ORed into the address of every command; a reply is
    // accepted only with the same bit, which then toggles.
    std::atomic<std::uint8_t> sequence_bit{0};
    std::atomic<std::uint8_t> timeout_seconds{kDefaultTimeoutSeconds};
    std::atomic<std::uint8_t> retries{kDefaultRetries};
    std::atomic<bool> cancel_requested{false};
    // Replaces the command's address while it is 0 or more.
    std::atomic<std::int32_t> address_override{kNoAddressOverride};

    void flip_sequence() { sequence_bit.fetch_xor(vlp::kSequenceBit, std::memory_order_acq_rel); }
};

}  // namespace zav::link
