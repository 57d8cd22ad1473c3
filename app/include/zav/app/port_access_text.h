#pragma once
// Whether this user can open a serial port, in words a service engineer can
// act on. zavdiag prints it when a port does not open; the port options show
// it for the selected entry.
#include <QString>
#include <functional>

#include "zav/platform/port_access.h"

namespace zav::app {

// "ready", "no such device", "in use by another program", "not a serial
// device", or "permission denied: add your user to the group `dialout` and
// log in again" with the group that owns the device.
QString portAccessText(const platform::PortAccessReport& report);

// "COM5 (/dev/ttyS4): no such device" when COM<port> cannot be opened now,
// "no serial port is chosen yet" for port 0, else empty. Never opens a real
// serial port.
QString portProblem(int port);

// What portProblem asks; the system's by default. Tests that bind stand-ins
// for the libraries, whose ports exist only for them, set their own; an
// empty function restores the system's.
using PortProbe = std::function<QString(int port)>;
void setPortProbe(PortProbe probe);

// Where the engineer chooses another port, as the front end in use says it
// ("Options > Serial Port" in the desktop program); empty until one sets it.
void setPortAdvice(const QString& advice);

// The one message of a tool that cannot use its port: the tool's own text
// for the failure, then why (portProblem) and the front end's advice, each
// on a line of its own.
QString portProblemMessage(const QString& failure, const QString& problem);

}  // namespace zav::app
