#pragma once
// Line settings as a mode-command text ("38400,n,8,2": baud, parity letter,
// data bits, stop bits) and its parser.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zav/platform/serial_device.h"

namespace zav::serial {

// "<baud>,n,8,1", the settings of a plain open.
std::string plain_mode(std::int32_t baud);

// "<baud>,<parity>,8,<stop>" for an advanced open: parity codes 1..5 give
// e, m, n, o, s; stop code 1 gives '1', 3 gives '2'. Empty for other codes.
std::optional<std::string> advanced_mode(std::int32_t baud, std::int32_t parity_code,
                                         std::int32_t stop_code);

// The line settings a mode text names. Empty when the text is malformed or
// names a baud rate, parity, size or stop count the line cannot take.
std::optional<platform::LineSettings> parse_mode(std::string_view text);

}  // namespace zav::serial
