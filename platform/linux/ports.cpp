#include "zav/platform/ports.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string_view>

namespace zav::platform {
namespace {

struct Base {
    std::string_view prefix;  // device name prefix under /dev
    int first_port;           // COM number of index 0
};

constexpr Base kBases[] = {{"ttyS", 1}, {"ttyUSB", 33}, {"ttyACM", 65}};
constexpr int kPortsPerBase = 32;
constexpr int kMaxOverride = 256;

// "ttyUSB3" -> COM36; 0 when the name is not one of the fixed bases.
int port_number_of_device(const std::string& name) {
    for (const auto& base : kBases) {
        if (name.size() <= base.prefix.size() || name.compare(0, base.prefix.size(), base.prefix))
            continue;
        const std::string digits = name.substr(base.prefix.size());
        if (digits.size() > 2 || !std::all_of(digits.begin(), digits.end(), ::isdigit)) return 0;
        const int index = std::atoi(digits.c_str());
        return index < kPortsPerBase ? base.first_port + index : 0;
    }
    return 0;
}

std::string read_first_line(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// Name of the kernel driver behind /sys/class/tty/<name>, or empty.
std::string driver_of(const std::string& sysfs_root, const std::string& name) {
    char target[512];
    const std::string link = sysfs_root + "/class/tty/" + name + "/device/driver";
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0) return {};
    target[n] = '\0';
    const std::string_view path(target);
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string value_name_prefix(const std::string& driver) {
    if (driver == "ftdi_sio") return "\\Device\\VCP";
    if (driver == "cdc_acm") return "\\Device\\USBSER";
    if (driver == "cp210x") return "\\Device\\slabser";
    return "\\Device\\Serial";
}

std::string numbered_value_name(const std::string& prefix, int k) {
    char digits[16];
    std::snprintf(digits, sizeof digits, prefix == "\\Device\\USBSER" ? "%03d" : "%d", k);
    return prefix + digits;
}

// Natural order: ttyS2 before ttyS10, grouped by base.
bool device_order(const std::string& a, const std::string& b) {
    const int pa = port_number_of_device(a), pb = port_number_of_device(b);
    return pa != pb ? pa < pb : a < b;
}

}  // namespace

std::string port_device_path(int port_number) {
    if (port_number <= 0) return {};
    const std::string var = "ZAV_COM" + std::to_string(port_number);
    if (const char* override_path = std::getenv(var.c_str()); override_path && *override_path)
        return override_path;
    for (const auto& base : kBases) {
        const int index = port_number - base.first_port;
        if (index >= 0 && index < kPortsPerBase)
            return "/dev/" + std::string(base.prefix) + std::to_string(index);
    }
    return {};
}

std::vector<PortEntry> discover_ports(const std::string& sysfs_root) {
    std::vector<std::string> devices;
    if (DIR* dir = ::opendir((sysfs_root + "/class/tty").c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (port_number_of_device(name) == 0) continue;
            devices.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(devices.begin(), devices.end(), device_order);

    std::vector<PortEntry> ports;
    std::map<std::string, int> next_index;  // per value-name prefix
    auto add = [&](const std::string& driver, int number) {
        const std::string prefix = value_name_prefix(driver);
        ports.emplace_back(numbered_value_name(prefix, next_index[prefix]++),
                           "COM" + std::to_string(number));
    };
    for (const auto& name : devices) {
        const std::string driver = driver_of(sysfs_root, name);
        if (driver.empty()) continue;
        // Legacy ttyS entries exist for every possible UART; type 0 means
        // there is no hardware behind them.
        if (name.rfind("ttyS", 0) == 0 &&
            read_first_line(sysfs_root + "/class/tty/" + name + "/type") == "0")
            continue;
        const int number = port_number_of_device(name);
        if (std::getenv(("ZAV_COM" + std::to_string(number)).c_str())) continue;
        add(driver, number);
    }
    for (int n = 1; n <= kMaxOverride; ++n) {
        const char* path = std::getenv(("ZAV_COM" + std::to_string(n)).c_str());
        if (!path || !*path) continue;
        // An override that names a real device keeps that device's driver.
        std::string device = path;
        const auto slash = device.rfind('/');
        if (slash != std::string::npos) device = device.substr(slash + 1);
        add(driver_of(sysfs_root, device), n);
    }
    return ports;
}

}  // namespace zav::platform
