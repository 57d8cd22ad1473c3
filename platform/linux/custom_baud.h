#pragma once
// Baud rates that have no standard termios code but that serial drivers
// take as an explicit rate (termios2 with BOTHER). Kept apart from the
// termios code: the two kernel headers cannot share a file.
#include <cstdint>

namespace zav::platform {

// True for a rate set through set_custom_baud (28800, the validators'
// old download speed).
bool is_custom_baud(std::uint32_t baud);

// Sets the input and output rate of the open terminal fd to baud, keeping
// every other setting. False when the driver refuses it.
bool set_custom_baud(int fd, std::uint32_t baud);

}  // namespace zav::platform
