#include "zav/app/port_access_text.h"

#include <cstring>

namespace zav::app {

QString portAccessText(const platform::PortAccessReport& report) {
    using platform::PortAccess;
    switch (report.access) {
        case PortAccess::Ready:
            return QStringLiteral("ready");
        case PortAccess::NoSuchDevice:
            return QStringLiteral("no such device");
        case PortAccess::InUse:
            return QStringLiteral("in use by another program");
        case PortAccess::NotSerialDevice:
            return QStringLiteral("not a serial device");
        case PortAccess::PermissionDenied:
            if (!report.group.empty()) {
                return QStringLiteral(
                           "permission denied: add your user to the group `%1` and log in again")
                    .arg(QString::fromStdString(report.group));
            }
            // No group may use it: joining one would not help.
            return QStringLiteral(
                       "permission denied: only `%1` may open it; ask the administrator to "
                       "give it to a group such as `dialout`")
                .arg(QString::fromStdString(report.owner));
        case PortAccess::Failed:
            break;
    }
    return QStringLiteral("cannot be opened: %1")
        .arg(QString::fromLocal8Bit(std::strerror(report.error)));
}

}  // namespace zav::app
