#pragma once
// Whether this user can open a serial port, in words a service engineer can
// act on. zavdiag prints it when a port does not open; the port options show
// it for the selected entry.
#include <QString>

#include "zav/platform/port_access.h"

namespace zav::app {

// "ready", "no such device", "in use by another program", "not a serial
// device", or "permission denied: add your user to the group `dialout` and
// log in again" with the group that owns the device.
QString portAccessText(const platform::PortAccessReport& report);

// "COM5 (/dev/ttyS4): no such device" when COM<port> cannot be opened now,
// else empty. Never opens a real serial port.
QString portProblem(int port);

}  // namespace zav::app
