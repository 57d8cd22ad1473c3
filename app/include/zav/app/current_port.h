#pragma once
// The program-wide current port: the serial port number of the validator,
// used by both channels. Start-up reads it from the settings "Port"; the
// port options change and store it.
#include <cstdint>

namespace zav::app {

// The highest port number the port list names ("COM255"); the RAM
// utility's channel reaches fewer (kHighestRamChannelPort).
constexpr int kHighestPortNumber = 255;

// The current port (0 until it is loaded or set).
std::int16_t CurrentPort();
void SetCurrentPort(std::int16_t port);

// Reads "Port" of section "Startup" into the current port and returns it.
// An absent key, or a value that is not a 16-bit integer, gives 0.
std::int16_t LoadCurrentPort();

// Makes `port` the current port and stores it under "Port" as decimal text
// (when the run stores settings at all, see base::settings::setStoring).
void StoreCurrentPort(std::int16_t port);

}  // namespace zav::app
