#pragma once
// Opening and closing ports by number, and choosing the active one.
#include <cstdint>
#include <string>

#include "serial_state.h"

namespace zav::serial {

// Opens COM<port> with the line settings of a mode text, as OpenPort does
// (the result codes of zav_serial.h); hardware flow control stays as the
// driver reports it. A port already in the table returns 0 and changes
// nothing.
std::int16_t open_port(SerialState& state, std::int8_t port, const std::string& mode);

// Releases the active device, if any, and clears its table entry.
void close_active_port(SerialState& state);

// Makes the table entry for number the active device (none for an empty
// entry or a number outside the table).
void set_active_port(SerialState& state, std::int32_t number);

}  // namespace zav::serial
