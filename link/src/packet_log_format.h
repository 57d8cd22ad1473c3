#pragma once
// The text of the packet log: command and event names and the multi-line
// block written for each frame.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "zav/platform/local_time.h"

namespace zav::link {

using ByteSpan = std::span<const std::uint8_t>;

constexpr std::uint8_t kPollCommand = 0x07;

// " SYNC", " POLL", ... or " UNKNOWN COMMAND".
const char* command_name(std::uint8_t code);

// The event texts of a POLL reply's data bytes after the generic code.
std::string poll_events(ByteSpan events);

// The two lines that open a transmitted frame: 80 '-' and the sequence
// number with date (MM/DD/YY) and time (HH:MM:SS).
std::string transmit_header(std::uint32_t sequence, const platform::LocalTime& when);

enum class FrameDirection { Transmit, Receive };

// The frame block: heading with the milliseconds since the previous frame,
// a dump of `wire` (the bytes as they went over the line) and the fields
// decoded from `frame` (the same frame before stuffing). Fields the frame is
// too short to hold are left out. `after_poll` decodes reply data as POLL
// events.
std::string frame_block(FrameDirection direction, std::int64_t ms_since_previous, ByteSpan wire,
                        ByteSpan frame, bool after_poll);

}  // namespace zav::link
