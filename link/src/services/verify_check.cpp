#include "verify_check.h"

#include <algorithm>

namespace zav::link {
namespace {

constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint8_t kFirstNonAscii = 0x80;

}  // namespace

bool pattern_found(ByteSpan received, ByteSpan pattern) {
    const auto same = [](std::uint8_t got, std::uint8_t want) {
        return want < kFirstNonAscii && got == want;
    };
    return std::search(received.begin(), received.end(), pattern.begin(), pattern.end(), same) !=
               received.end() ||
           pattern.empty();
}

std::int16_t check_verify(ReaderRouting& routing, ByteSpan pattern, std::uint8_t* out,
                          std::int16_t* count) {
    std::uint8_t received[ReaderRouting::kVerifyCapacity];
    const std::size_t n = routing.verify_bytes(received, sizeof received);
    std::copy(received, received + n, out);
    *count = static_cast<std::int16_t>(n);

    const ByteSpan bytes(received, n);
    const bool found =
        routing.verify_mode() && n >= pattern.size() && pattern_found(bytes, pattern);
    if (std::find(bytes.begin(), bytes.end(), kCarriageReturn) != bytes.end())
        routing.clear_verify_buffer();
    if (routing.verify_mode()) routing.release_echo();
    return found ? 1 : 0;
}

}  // namespace zav::link
