#include "zav/platform/port_access.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>

#include "pty_slave.h"

namespace zav::platform {
namespace {

std::string base_name(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> read_link(const std::string& path) {
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) return std::nullopt;
    return std::string(target, static_cast<std::size_t>(n));
}

std::string read_first_line(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

enum class TtyKind { Terminal, NoHardware, NotTerminal, Unknown };

// What sysfs says of a character device: a terminal, a legacy UART entry
// with no hardware behind it (type 0, whose open fails with EIO), or
// something else. Unknown when sysfs is not there to ask.
TtyKind tty_kind(const struct stat& st, const std::string& sysfs_root) {
    const std::string by_number = sysfs_root + "/dev/char";
    if (::access(by_number.c_str(), F_OK) != 0) return TtyKind::Unknown;
    const std::string device = by_number + "/" + std::to_string(major(st.st_rdev)) + ":" +
                               std::to_string(minor(st.st_rdev));
    const auto subsystem = read_link(device + "/subsystem");
    if (!subsystem || base_name(*subsystem) != "tty") return TtyKind::NotTerminal;
    return read_first_line(device + "/type") == "0" ? TtyKind::NoHardware : TtyKind::Terminal;
}

std::string group_name(gid_t gid) {
    std::string buffer(4096, '\0');
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->gr_name;
    return std::to_string(gid);
}

std::string user_name(uid_t uid) {
    std::string buffer(4096, '\0');
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return std::to_string(uid);
}

PortAccessReport denied(const struct stat& st, int error) {
    PortAccessReport report{PortAccess::PermissionDenied, {}, user_name(st.st_uid), error};
    if ((st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP))
        report.group = group_name(st.st_gid);
    return report;
}

// The answer for an access or open of the device that failed with `error`.
PortAccessReport refused(const struct stat& st, int error) {
    const PortAccess access = classify_open_error(error);
    if (access == PortAccess::PermissionDenied) return denied(st, error);
    return {access, {}, {}, error};
}

// A UUCP lock file (LCK..ttyUSB0) naming a live process other than this one.
// Its pid is ten ASCII digits, or a binary int in the oldest form.
bool locked_by_other(const std::string& device_name, const std::vector<std::string>& lock_dirs) {
    for (const std::string& dir : lock_dirs) {
        std::ifstream in(dir + "/LCK.." + device_name, std::ios::binary);
        if (!in) continue;
        char content[32] = {};
        in.read(content, sizeof content - 1);
        const std::streamsize size = in.gcount();
        long pid = std::strtol(content, nullptr, 10);
        if (pid <= 0 && size == sizeof(int)) {
            int binary = 0;
            std::memcpy(&binary, content, sizeof binary);
            pid = binary;
        }
        if (pid <= 0 || pid > INT_MAX || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) return true;
    }
    return false;
}

bool all_digits(const char* name) {
    if (!*name) return false;
    for (; *name; ++name) {
        if (*name < '0' || *name > '9') return false;
    }
    return true;
}

// Whether a process other than this one has `device` open, among those whose
// descriptors this user may read.
bool held_by_other_process(const std::string& device, const std::string& proc_root) {
    DIR* processes = ::opendir(proc_root.c_str());
    if (!processes) return false;
    const std::string self = std::to_string(::getpid());
    bool held = false;
    while (!held) {
        const dirent* process = ::readdir(processes);
        if (!process) break;
        if (!all_digits(process->d_name) || self == process->d_name) continue;
        const std::string fd_dir = proc_root + "/" + process->d_name + "/fd";
        DIR* descriptors = ::opendir(fd_dir.c_str());
        if (!descriptors) continue;  // gone, or not ours to look at
        while (const dirent* fd = ::readdir(descriptors)) {
            if (!all_digits(fd->d_name)) continue;
            if (read_link(fd_dir + "/" + fd->d_name) == device) {
                held = true;
                break;
            }
        }
        ::closedir(descriptors);
    }
    ::closedir(processes);
    return held;
}

// A pseudo-terminal has no modem lines, so opening it disturbs nothing; the
// open and TIOCGEXCL tell whether another program holds it exclusively
// (root is let through an exclusive terminal, but is told it is one).
PortAccessReport probe_pty(const std::string& path, const struct stat& st) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return refused(st, errno);
    int exclusive = 0;
    const bool held = ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    ::close(fd);
    return held ? PortAccessReport{PortAccess::InUse, {}, {}, EBUSY} : PortAccessReport{};
}

}  // namespace

PortAccess classify_open_error(int error) {
    switch (error) {
        case 0:
            return PortAccess::Ready;
        case ENOENT:
        case ENOTDIR:
        case ENODEV:
        case ENXIO:
        case EIO:  // a legacy UART entry without hardware
            return PortAccess::NoSuchDevice;
        case EACCES:
        case EPERM:
        case EROFS:
            return PortAccess::PermissionDenied;
        case EBUSY:
            return PortAccess::InUse;
        case ENOTTY:
        case EISDIR:
        case EINVAL:
        case ENOTSUP:
            return PortAccess::NotSerialDevice;
        default:
            return PortAccess::Failed;
    }
}

PortAccessReport probe_port_access(const std::string& path, const PortProbeRoots& roots) {
    if (path.empty()) return {PortAccess::NoSuchDevice, {}, {}, ENOENT};
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int error = errno;
        return {classify_open_error(error), {}, {}, error};
    }
    if (!S_ISCHR(st.st_mode)) {
        return {PortAccess::NotSerialDevice, {}, {}, S_ISDIR(st.st_mode) ? EISDIR : ENOTTY};
    }
    const bool pty = is_pty_slave(st);
    if (!pty) {
        switch (tty_kind(st, roots.sysfs)) {
            case TtyKind::NotTerminal:
                return {PortAccess::NotSerialDevice, {}, {}, ENOTTY};
            case TtyKind::NoHardware:
                return {PortAccess::NoSuchDevice, {}, {}, EIO};
            case TtyKind::Terminal:
            case TtyKind::Unknown:
                break;
        }
    }
    if (::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) != 0) {
        return refused(st, errno);
    }
    if (pty) return probe_pty(path, st);

    char canonical[PATH_MAX];
    const std::string device = ::realpath(path.c_str(), canonical) ? canonical : path;
    if (locked_by_other(base_name(device), roots.lock_dirs) ||
        held_by_other_process(device, roots.proc)) {
        return {PortAccess::InUse, {}, {}, EBUSY};
    }
    return {};
}

}  // namespace zav::platform
