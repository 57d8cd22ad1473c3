#include "zav/app/port_description.h"

#include <QCoreApplication>
#include <QStringList>

#include "zav/app/port_access_text.h"
#include "zav/platform/port_access.h"
#include "zav/platform/ports.h"

namespace zav::app {
namespace {

struct AdaptorKind {
    const char* valueNamePrefix;
    const char* text;
};

// The value names port discovery builds from the kernel driver.
constexpr AdaptorKind kKinds[] = {
    {"\\Device\\VCP", QT_TRANSLATE_NOOP("zav", "FTDI USB adaptor (ftdi_sio)")},
    {"\\Device\\USBSER", QT_TRANSLATE_NOOP("zav", "USB CDC device (cdc_acm)")},
    {"\\Device\\slabser", QT_TRANSLATE_NOOP("zav", "Silicon Labs USB adaptor (cp210x)")},
    {"\\Device\\Serial", QT_TRANSLATE_NOOP("zav", "serial port")},
};

QString adaptorKind(const std::string& valueName) {
    for (const AdaptorKind& kind : kKinds) {
        if (valueName.starts_with(kind.valueNamePrefix))
            return QCoreApplication::translate("zav", kind.text);
    }
    return {};
}

}  // namespace

QString portDescription(int portNumber, const std::string& valueName) {
    const std::string path =
        portNumber > 0 ? platform::port_device_path(portNumber) : std::string();
    if (path.empty()) return QCoreApplication::translate("zav", "no such device");
    QStringList parts{QString::fromStdString(path)};
    if (const QString kind = adaptorKind(valueName); !kind.isEmpty()) parts << kind;
    parts << portAccessText(platform::probe_port_access(path));
    return parts.join(QStringLiteral(" - "));
}

}  // namespace zav::app
