#pragma once
// Why a serial port cannot be opened, and whether this user could open one
// now, found without opening the device: opening a real serial port raises
// DTR, which some units take as a reset.
#include <string>
#include <vector>

namespace zav::platform {

enum class PortAccess {
    Ready,             // this user can open it
    NoSuchDevice,      // nothing at the path, or a port without hardware behind it
    PermissionDenied,  // the device's owner and group do not include this user
    InUse,             // another program has it open
    NotSerialDevice,   // a file, a directory or a device that is not a terminal
    Failed,            // any other reason; see `error`
};

struct PortAccessReport {
    PortAccess access = PortAccess::Ready;
    // For PermissionDenied: the group whose members may read and write the
    // device (empty when its group may not), and its owner.
    std::string group;
    std::string owner;
    int error = 0;  // the errno behind the answer, 0 when none
};

// The reason an open() of a serial device failed with errno `error`; EBUSY
// (also that of a device another program holds exclusively) is InUse.
PortAccess classify_open_error(int error);

// Where the probe looks; tests point it at fake trees.
struct PortProbeRoots {
    std::string sysfs = "/sys";
    std::string proc = "/proc";
    std::vector<std::string> lock_dirs = {"/run/lock", "/var/lock"};
};

// Whether this user could open the serial port at `path` now, without
// opening a real serial port: its type and permissions from stat() and
// sysfs, and for "in use" the UUCP lock files and the open descriptors of
// the processes this user may look at. A pseudo-terminal, which has no
// modem lines, is opened and closed at once to ask whether it is held
// exclusively. Takes a few milliseconds.
PortAccessReport probe_port_access(const std::string& path, const PortProbeRoots& roots = {});

}  // namespace zav::platform
