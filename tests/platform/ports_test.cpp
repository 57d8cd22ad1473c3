#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "zav/platform/ports.h"

namespace fs = std::filesystem;
using zav::platform::discover_ports;
using zav::platform::port_device_path;
using zav::platform::PortEntry;

TEST(PortDevicePath, FixedBasesAndTheirEdges) {
    unsetenv("ZAV_COM1");
    unsetenv("ZAV_COM33");
    EXPECT_EQ(port_device_path(1), "/dev/ttyS0");
    EXPECT_EQ(port_device_path(32), "/dev/ttyS31");
    EXPECT_EQ(port_device_path(33), "/dev/ttyUSB0");
    EXPECT_EQ(port_device_path(64), "/dev/ttyUSB31");
    EXPECT_EQ(port_device_path(65), "/dev/ttyACM0");
    EXPECT_EQ(port_device_path(96), "/dev/ttyACM31");
    EXPECT_EQ(port_device_path(97), "");
    EXPECT_EQ(port_device_path(0), "");
    EXPECT_EQ(port_device_path(-3), "");
}

TEST(PortDevicePath, EnvironmentOverrideComesFirst) {
    setenv("ZAV_COM33", "/dev/pts/9", 1);
    setenv("ZAV_COM120", "/dev/pts/4", 1);
    EXPECT_EQ(port_device_path(33), "/dev/pts/9");
    EXPECT_EQ(port_device_path(120), "/dev/pts/4");
    unsetenv("ZAV_COM33");
    unsetenv("ZAV_COM120");
    EXPECT_EQ(port_device_path(120), "");
}

class FakeSysfs : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/zav-sysfs-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        root_ = tmpl;
        fs::create_directories(root_ / "bus/drivers");
    }
    void TearDown() override { fs::remove_all(root_); }

    void add_tty(const std::string& name, const std::string& driver, const char* type = nullptr) {
        const fs::path dev = root_ / "class/tty" / name / "device";
        fs::create_directories(dev);
        if (!driver.empty()) {
            fs::create_directories(root_ / "bus/drivers" / driver);
            fs::create_symlink(root_ / "bus/drivers" / driver, dev / "driver");
        }
        if (type) std::ofstream(root_ / "class/tty" / name / "type") << type << "\n";
    }

    fs::path root_;
};

TEST_F(FakeSysfs, ValueNamesFollowTheDriverAndSkipEmptyUarts) {
    add_tty("ttyS0", "serial8250", "4");
    add_tty("ttyS1", "serial8250", "0");  // no UART behind it
    add_tty("ttyUSB1", "ftdi_sio");
    add_tty("ttyUSB0", "ftdi_sio");
    add_tty("ttyACM0", "cdc_acm");
    add_tty("ttyUSB2", "cp210x");
    add_tty("tty5", "");    // virtual console, not a serial port
    add_tty("ttyS2", "");   // no driver link
    unsetenv("ZAV_COM100");

    const std::vector<PortEntry> expected = {
        {"\\Device\\Serial0", "COM1"},    {"\\Device\\VCP0", "COM33"},
        {"\\Device\\VCP1", "COM34"},      {"\\Device\\slabser0", "COM35"},
        {"\\Device\\USBSER000", "COM65"},
    };
    EXPECT_EQ(discover_ports(root_.string()), expected);
}

TEST_F(FakeSysfs, OverridesAreListedAndReplaceTheirFixedDevice) {
    add_tty("ttyS0", "serial8250", "4");
    add_tty("ttyACM0", "cdc_acm");
    setenv("ZAV_COM1", "/dev/ttyACM0", 1);  // a real device under another number
    setenv("ZAV_COM100", "/dev/pts/7", 1);
    const auto ports = discover_ports(root_.string());
    unsetenv("ZAV_COM1");
    unsetenv("ZAV_COM100");
    const std::vector<PortEntry> expected = {
        {"\\Device\\USBSER000", "COM65"},
        {"\\Device\\USBSER001", "COM1"},
        {"\\Device\\Serial0", "COM100"},
    };
    EXPECT_EQ(ports, expected);
}

TEST(Discovery, MissingSysfsGivesNoPorts) {
    unsetenv("ZAV_COM100");
    EXPECT_TRUE(discover_ports("/nonexistent-sysfs").empty());
}
