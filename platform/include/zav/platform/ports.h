#pragma once
// Serial ports by number (COM<n>) and port discovery.
#include <string>
#include <utility>
#include <vector>

namespace zav::platform {

// Device path of COM<n>: the environment variable ZAV_COM<n> if set, else the
// fixed bases COM1-32 = /dev/ttyS0-31, COM33-64 = /dev/ttyUSB0-31,
// COM65-96 = /dev/ttyACM0-31. Empty for a number with no device.
std::string port_device_path(int port_number);

// One registered serial port: the value name (the kernel driver's device
// name, e.g. "\Device\VCP0") and the value data ("COM<n>").
using PortEntry = std::pair<std::string, std::string>;

// The serial ports the system knows, in a stable order: devices found under
// <sysfs_root>/class/tty with a driver (ttyS ports without a UART skipped),
// then the ZAV_COM<n> overrides in ascending n. Value names by driver:
// ftdi_sio "\Device\VCP<k>", cdc_acm "\Device\USBSER<kkk>",
// cp210x "\Device\slabser<k>", others "\Device\Serial<k>", k counted per name.
std::vector<PortEntry> discover_ports(const std::string& sysfs_root = "/sys");

}  // namespace zav::platform
