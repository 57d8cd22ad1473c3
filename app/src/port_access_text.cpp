#include "zav/app/port_access_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstring>

#include "zav/platform/ports.h"

namespace zav::app {

QString portAccessText(const platform::PortAccessReport& report) {
    using platform::PortAccess;
    switch (report.access) {
        case PortAccess::Ready:
            return QCoreApplication::translate("zav", "ready");
        case PortAccess::NoSuchDevice:
            return QCoreApplication::translate("zav", "no such device");
        case PortAccess::InUse:
            return QCoreApplication::translate("zav", "in use by another program");
        case PortAccess::NotSerialDevice:
            return QCoreApplication::translate("zav", "not a serial device");
        case PortAccess::PermissionDenied:
            if (!report.group.empty()) {
                return QCoreApplication::translate(
                           "zav",
                           "permission denied: add your user to the group `%1` and log in again")
                    .arg(QString::fromStdString(report.group));
            }
            // No group may use it: joining one would not help.
            return QCoreApplication::translate(
                       "zav",
                       "permission denied: only `%1` may open it; ask the administrator to "
                       "give it to a group such as `dialout`")
                .arg(QString::fromStdString(report.owner));
        case PortAccess::Failed:
            break;
    }
    return QCoreApplication::translate("zav", "cannot be opened: %1")
        .arg(QString::fromLocal8Bit(std::strerror(report.error)));
}

namespace {

PortProbe& portProbe() {
    static PortProbe probe;
    return probe;
}

QString& portAdvice() {
    static QString advice;
    return advice;
}

QString systemPortProblem(int port) {
    const std::string path = platform::port_device_path(port);
    const platform::PortAccessReport access = platform::probe_port_access(path);
    if (access.access == platform::PortAccess::Ready) return QString();
    return QStringLiteral("COM%1 (%2): %3")
        .arg(port)
        .arg(path.empty() ? QCoreApplication::translate("zav", "no device")
                          : QString::fromStdString(path),
             portAccessText(access));
}

}  // namespace

QString portProblem(int port) {
    if (port <= 0) {
        return QCoreApplication::translate("zav", "no serial port is chosen yet");
    }
    return portProbe() ? portProbe()(port) : systemPortProblem(port);
}

void setPortProbe(PortProbe probe) {
    portProbe() = std::move(probe);
}

void setPortAdvice(const QString& advice) {
    portAdvice() = advice;
}

QString portProblemMessage(const QString& failure, const QString& problem) {
    QStringList lines{failure, problem};
    if (!portAdvice().isEmpty()) lines << portAdvice();
    return lines.join(u'\n');
}

}  // namespace zav::app
