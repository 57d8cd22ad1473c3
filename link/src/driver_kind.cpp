#include "driver_kind.h"

#include <string>

namespace zav::link {

DriverKind driver_kind(int n, const std::vector<platform::PortEntry>& ports) {
    const std::string data = "COM" + std::to_string(n);
    for (const auto& [name, value] : ports) {
        if (value != data) continue;
        if (name.find("\\Device\\VCP") != std::string::npos) return kDriverVcp;
        if (name.find("\\Device\\USBSER") != std::string::npos) return kDriverUsbCdc;
    }
    return kDriverOther;
}

DriverKind driver_kind(int n) {
    return driver_kind(n, platform::discover_ports());
}

}  // namespace zav::link
