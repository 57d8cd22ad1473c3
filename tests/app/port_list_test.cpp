#include "zav/app/port_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace zav::app {
namespace {

using Ports = std::vector<platform::PortEntry>;

PortList Filled(int currentPort, const Ports& ports) {
    PortList list;
    FillPortList(list, currentPort, ports);
    return list;
}

TEST(FillPortList, MarksUsbDevicesAndSelectsTheCurrentPort) {
    const PortList list =
        Filled(5, {{"\\Device\\Serial0", "COM1"}, {"\\Device\\USBSER000", "COM5"}});
    EXPECT_EQ(list.entries, QStringList({"COM1", "COM5 (RX)"}));
    EXPECT_EQ(list.selected, 1);

    const PortList markers = Filled(0, {{"\\Device\\VCP0", "COM3"},
                                        {"\\Device\\slabser2", "COM9"},
                                        {"\\Device\\vcp1", "COM4"},   // case-sensitive
                                        {"\\Device\\USBSE", "COM6"},  // too short a prefix
                                        {"\\Device\\Serial1", "COM12"}});
    EXPECT_EQ(markers.entries,
              QStringList({"COM3 (LK7)", "COM9 (Hopper)", "COM4", "COM6", "COM12"}));
    EXPECT_EQ(markers.selected, 0);  // no current port, several entries: the first
}

TEST(FillPortList, UnregisteredCurrentPortIsAddedInactive) {
    PortList list = Filled(7, {{"\\Device\\Serial0", "COM1"}, {"\\Device\\Serial1", "COM2"}});
    EXPECT_EQ(list.entries, QStringList({"COM1", "COM2", "COM7 (INACTIVE)"}));
    ASSERT_EQ(list.selected, 2);
    EXPECT_EQ(PortNumberFromText(list.entries[list.selected]), 7);

    list = Filled(300, {});
    EXPECT_EQ(list.entries, QStringList({"COM300 (INACTIVE)"}));
    EXPECT_EQ(list.selected, 0);
}

TEST(FillPortList, WithoutCurrentPortOnlySeveralEntriesGetASelection) {
    EXPECT_EQ(Filled(0, {{"\\Device\\Serial0", "COM1"}}).selected, -1);
    const PortList empty = Filled(0, {});
    EXPECT_TRUE(empty.entries.isEmpty());
    EXPECT_EQ(empty.selected, -1);
}

TEST(FillPortList, LaterMatchReplacesEarlierAndOldContentsGo) {
    PortList list;
    list.entries = {"stale"};
    list.selected = 0;
    FillPortList(
        list, 3,
        {{"\\Device\\VCP0", "COM3"}, {"\\Device\\Serial0", "COM1"}, {"\\Device\\X", "COM3"}});
    EXPECT_EQ(list.entries, QStringList({"COM3 (LK7)", "COM1", "COM3"}));
    EXPECT_EQ(list.selected, 2);
}

TEST(FillPortList, EntryTextIsCleanedAndBoundsChecked) {
    const std::string withZero("COM4\0", 5);
    const std::string tooLong(256, 'C');
    const PortList list = Filled(4, {{"\\Device\\Serial0", withZero},
                                     {"\\Device\\Serial1", "  COM8  "},
                                     {"\\Device\\Serial2", tooLong},
                                     {"\\Device\\Serial3", "COM99999999999999"},
                                     {"", "COM9"},  // an empty name ends the list
                                     {"\\Device\\Serial4", "COM10"}});
    EXPECT_EQ(list.entries, QStringList({"COM4", "COM8", "COM99999999999999"}));
    EXPECT_EQ(list.selected, 0);
}

TEST(FillPortList, ListsDiscoveredOverridePorts) {
    ASSERT_EQ(setenv("ZAV_COM121", "/dev/null", 1), 0);
    PortList list;
    FillPortList(list, 121);
    unsetenv("ZAV_COM121");
    ASSERT_GE(list.selected, 0);
    EXPECT_EQ(PortNumberFromText(list.entries[list.selected]), 121);
    EXPECT_FALSE(list.entries[list.selected].endsWith("(INACTIVE)"));
}

TEST(PortNumberFromText, ReadsTheNumberAfterCom) {
    EXPECT_EQ(PortNumberFromText("COM3 (LK7)"), 3);
    EXPECT_EQ(PortNumberFromText("COM12 (RX)"), 12);
    EXPECT_EQ(PortNumberFromText("COM7 (INACTIVE)"), 7);
    EXPECT_EQ(PortNumberFromText("COM255"), 255);
    EXPECT_EQ(PortNumberFromText("CNCA0"), 0);
    EXPECT_EQ(PortNumberFromText("com5"), 0);
    EXPECT_EQ(PortNumberFromText("COM"), 0);
    EXPECT_EQ(PortNumberFromText("COMX"), 0);
    EXPECT_EQ(PortNumberFromText(""), 0);
    EXPECT_EQ(PortNumberFromText("COM256"), 0);  // not a byte: no port
    EXPECT_EQ(PortNumberFromText("COM99999999999999999999"), 0);
}

}  // namespace
}  // namespace zav::app
