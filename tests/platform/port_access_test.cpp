// Whether a port can be opened, found without disturbing a unit on it: the
// device kinds, a pseudo-terminal held exclusively or only by its simulator,
// permissions with the group to join, lock files and the descriptors of
// other processes, each answer well within 100 ms.
#include "zav/platform/port_access.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "zav/platform/pseudo_terminal.h"
#include "zav/platform/serial_device.h"

using namespace zav::platform;
namespace fs = std::filesystem;

namespace {

constexpr auto kProbeLimit = std::chrono::milliseconds(100);

PortAccessReport TimedProbe(const std::string& path, const PortProbeRoots& roots = {}) {
    const auto start = std::chrono::steady_clock::now();
    PortAccessReport report = probe_port_access(path, roots);
    EXPECT_LT(std::chrono::steady_clock::now() - start, kProbeLimit) << path;
    return report;
}

class TempDir {
  public:
    TempDir() {
        char name[] = "/tmp/zav_port_access_XXXXXX";
        path_ = ::mkdtemp(name);
    }
    ~TempDir() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// The probe as another user sees it: run in a child that has become
// `nobody` (root is let through every permission).
PortAccessReport ProbeAsNobody(const std::string& path) {
    int pipe_fds[2];
    EXPECT_EQ(::pipe(pipe_fds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_fds[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(1);
        const PortAccessReport report = probe_port_access(path);
        const std::string message = std::to_string(static_cast<int>(report.access)) + "\n" +
                                    report.group + "\n" + report.owner;
        [[maybe_unused]] ssize_t n = ::write(pipe_fds[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(pipe_fds[1]);
    char buffer[256] = {};
    const ssize_t n = ::read(pipe_fds[0], buffer, sizeof buffer - 1);
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // Access, group and owner, a line each.
    std::istringstream lines(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0));
    std::string access;
    PortAccessReport report;
    std::getline(lines, access);
    std::getline(lines, report.group);
    std::getline(lines, report.owner);
    report.access = static_cast<PortAccess>(std::atoi(access.c_str()));
    return report;
}

}  // namespace

TEST(PortAccess, WhatIsNotATerminalOrNotThereIsNamedSo) {
    const TempDir dir;
    const std::string file = (dir.path() / "capture.bin").string();
    std::ofstream(file) << "bytes";
    EXPECT_EQ(TimedProbe("").access, PortAccess::NoSuchDevice);
    EXPECT_EQ(TimedProbe("/dev/ttyUSB97").access, PortAccess::NoSuchDevice);
    EXPECT_EQ(TimedProbe((dir.path() / "missing" / "tty").string()).access,
              PortAccess::NoSuchDevice);
    EXPECT_EQ(TimedProbe("/dev/null").access, PortAccess::NotSerialDevice);
    EXPECT_EQ(TimedProbe(file).access, PortAccess::NotSerialDevice);
    EXPECT_EQ(TimedProbe(dir.path().string()).access, PortAccess::NotSerialDevice);
}

TEST(PortAccess, AFreePseudoTerminalIsReadyAndAnExclusiveOneIsInUse) {
    // The simulator keeps its own descriptor of the slave open: that is not
    // another program using the port.
    PseudoTerminal simulator;
    ASSERT_TRUE(simulator.open());
    EXPECT_EQ(TimedProbe(simulator.slave_path()).access, PortAccess::Ready);

    SerialDevice holder;  // opens exclusively, as the libraries do
    ASSERT_TRUE(holder.open(simulator.slave_path()));
    const PortAccessReport held = TimedProbe(simulator.slave_path());
    EXPECT_EQ(held.access, PortAccess::InUse);
    EXPECT_EQ(classify_open_error(held.error), PortAccess::InUse);
    holder.close();
    EXPECT_EQ(TimedProbe(simulator.slave_path()).access, PortAccess::Ready);
}

TEST(PortAccess, PermissionDeniedNamesTheGroupThatMayOpenTheDevice) {
    PseudoTerminal unit;
    ASSERT_TRUE(unit.open());
    const std::string path = unit.slave_path();
    if (::geteuid() != 0) {
        // Not root: a device only its owner could use, and not even that.
        ASSERT_EQ(::chmod(path.c_str(), 0), 0);
        const PortAccessReport report = TimedProbe(path);
        EXPECT_EQ(report.access, PortAccess::PermissionDenied);
        EXPECT_EQ(report.group, "");
        return;
    }
    const group* dialout = ::getgrnam("dialout");
    const gid_t gid = dialout ? dialout->gr_gid : 20;
    const std::string group_name = dialout ? "dialout" : std::to_string(gid);
    ASSERT_EQ(::chown(path.c_str(), 0, gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0660), 0);
    const PortAccessReport grouped = ProbeAsNobody(path);
    EXPECT_EQ(grouped.access, PortAccess::PermissionDenied);
    EXPECT_EQ(grouped.group, group_name);

    // The group may only write: joining it would not help.
    ASSERT_EQ(::chmod(path.c_str(), 0620), 0);
    const PortAccessReport owners = ProbeAsNobody(path);
    EXPECT_EQ(owners.access, PortAccess::PermissionDenied);
    EXPECT_EQ(owners.group, "");
    EXPECT_EQ(owners.owner, "root");

    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(ProbeAsNobody(path).access, PortAccess::Ready);
}

// A terminal that is not a pseudo-terminal slave is never opened; what other
// programs hold shows in lock files and in their descriptors. /dev/ptmx is
// such a terminal on every Linux machine, open to every user.
TEST(PortAccess, AnotherProgramsLockFileOrDescriptorMakesATerminalInUse) {
    char resolved[PATH_MAX];
    ASSERT_NE(::realpath("/dev/ptmx", resolved), nullptr);
    const std::string device = resolved;
    const TempDir root;
    PortProbeRoots roots;
    roots.proc = (root.path() / "proc").string();
    roots.lock_dirs = {(root.path() / "lock").string()};
    fs::create_directories(roots.proc);
    fs::create_directories(roots.lock_dirs[0]);
    EXPECT_EQ(TimedProbe(device, roots).access, PortAccess::Ready);

    const fs::path lock =
        fs::path(roots.lock_dirs[0]) / ("LCK.." + fs::path(device).filename().string());
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const struct {
        std::string pid;
        PortAccess access;
    } locks[] = {
        {"      " + std::to_string(::getppid()) + "\n", PortAccess::InUse},
        {std::to_string(dead) + "\n", PortAccess::Ready},        // stale
        {std::to_string(::getpid()) + "\n", PortAccess::Ready},  // our own
        {"garbage", PortAccess::Ready},
    };
    for (const auto& c : locks) {
        SCOPED_TRACE(c.pid);
        std::ofstream(lock) << c.pid;
        EXPECT_EQ(TimedProbe(device, roots).access, c.access);
    }
    fs::remove(lock);

    const fs::path own = fs::path(roots.proc) / std::to_string(::getpid()) / "fd";
    fs::create_directories(own);
    fs::create_symlink(device, own / "5");
    EXPECT_EQ(TimedProbe(device, roots).access, PortAccess::Ready);
    const fs::path other = fs::path(roots.proc) / "4242" / "fd";
    fs::create_directories(other);
    fs::create_symlink("/dev/null", other / "0");
    fs::create_symlink("socket:[1234]", other / "1");
    EXPECT_EQ(TimedProbe(device, roots).access, PortAccess::Ready);
    fs::create_symlink(device, other / "7");
    EXPECT_EQ(TimedProbe(device, roots).access, PortAccess::InUse);
}

TEST(PortAccess, ProbingTheRealProcessTableStaysWithinItsTime) {
    PseudoTerminal unit;
    ASSERT_TRUE(unit.open());
    for (const std::string& path : {std::string("/dev/ptmx"), unit.slave_path()}) {
        const auto start = std::chrono::steady_clock::now();
        probe_port_access(path);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, kProbeLimit) << path;
        std::printf("probe of %s: %.2f ms\n", path.c_str(),
                    std::chrono::duration<double, std::milli>(took).count());
    }
}
