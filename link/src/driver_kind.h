#pragma once
// The kind of driver behind a COM port, as the firmware download needs it.
#include <vector>

#include "zav/platform/ports.h"

namespace zav::link {

enum DriverKind { kDriverVcp = 0, kDriverUsbCdc = 1, kDriverOther = 2 };

// For the first registered port whose data is "COM<n>": a value name with
// "\Device\VCP" gives kDriverVcp, "\Device\USBSER" kDriverUsbCdc; else the
// search goes on. No match gives kDriverOther.
DriverKind driver_kind(int n, const std::vector<platform::PortEntry>& ports);
// The same over the ports the system knows now.
DriverKind driver_kind(int n);

}  // namespace zav::link
