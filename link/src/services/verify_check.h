#pragma once
// CheckVerify: looks for a text among the bytes received in verify mode.
#include <cstdint>

#include "packet_log_format.h"
#include "reader_routing.h"

namespace zav::link {

// True when pattern occurs in received. Bytes compare as characters, so a
// pattern byte of 0x80 or above never matches; an empty pattern always
// does.
bool pattern_found(ByteSpan received, ByteSpan pattern);

// Copies the verify buffer (at most ReaderRouting::kVerifyCapacity bytes)
// to out and its count to *count, then looks for the pattern. Returns 1
// when found; 0 when not, when verify mode is off, or when fewer bytes
// than the pattern arrived. A carriage return among the bytes empties the
// buffer; in verify mode the pending byte is released so the next one can
// come in.
std::int16_t check_verify(ReaderRouting& routing, ByteSpan pattern, std::uint8_t* out,
                          std::int16_t* count);

}  // namespace zav::link
