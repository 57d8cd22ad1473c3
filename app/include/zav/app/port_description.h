#pragma once
// The line under the port options' list: the selected port's device file,
// the kind of adaptor its driver names, and whether this user can open it.
#include <QString>
#include <string>

namespace zav::app {

// For COM<portNumber>, registered under `valueName` ("\Device\VCP0", ...;
// empty for a port the system does not list), e.g.
// "/dev/ttyUSB0 - FTDI USB adaptor (ftdi_sio) - ready". Never opens a real
// serial port.
QString portDescription(int portNumber, const std::string& valueName);

}  // namespace zav::app
