// The words zavdiag and the port options give for a port's access, the fix
// for a denied permission naming the group that owns the device.
#include "zav/app/port_access_text.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zav::app {
namespace {

using platform::PortAccess;
using platform::PortAccessReport;

TEST(PortAccessText, EachReasonInWordsAServiceEngineerCanActOn) {
    const struct {
        PortAccessReport report;
        const char* text;
    } cases[] = {
        {{PortAccess::Ready, {}, {}, 0}, "ready"},
        {{PortAccess::NoSuchDevice, {}, {}, ENOENT}, "no such device"},
        {{PortAccess::InUse, {}, {}, EBUSY}, "in use by another program"},
        {{PortAccess::NotSerialDevice, {}, {}, ENOTTY}, "not a serial device"},
        {{PortAccess::PermissionDenied, "dialout", "root", EACCES},
         "permission denied: add your user to the group `dialout` and log in again"},
        {{PortAccess::PermissionDenied, "uucp", "root", EACCES},
         "permission denied: add your user to the group `uucp` and log in again"},
        {{PortAccess::PermissionDenied, "", "root", EACCES},
         "permission denied: only `root` may open it; ask the administrator to give it to a "
         "group such as `dialout`"},
        {{PortAccess::Failed, {}, {}, EMFILE}, "cannot be opened: Too many open files"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(portAccessText(c.report).toStdString(), c.text);
    }
}

}  // namespace
}  // namespace zav::app
