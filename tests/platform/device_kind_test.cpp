// Telling a simulator's pseudo-terminal from every other kind of path: a
// stand-in RAM utility may only ever go to the first.
#include "zav/platform/device_kind.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "zav/platform/pseudo_terminal.h"

using namespace zav::platform;

TEST(DeviceKind, OnlyThePseudoTerminalsSlaveIsOne) {
    PseudoTerminal line;
    ASSERT_TRUE(line.open());
    EXPECT_TRUE(is_pseudo_terminal(line.slave_path()));

    const std::string link = "/tmp/zav_device_kind_" + std::to_string(::getpid());
    ASSERT_EQ(::symlink(line.slave_path().c_str(), link.c_str()), 0);
    EXPECT_TRUE(is_pseudo_terminal(link)) << "links are followed";
    std::remove(link.c_str());

    for (const char* other : {"/dev/null", "/dev/zero", "/dev/ptmx", "/dev/pts", "/etc/hostname",
                              "/nonexistent/ttyUSB0", ""}) {
        EXPECT_FALSE(is_pseudo_terminal(other)) << other;
    }
}
