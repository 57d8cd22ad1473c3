#include "zav/app/window/icons.h"

namespace zav::app::window {

QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/zav-diagnostics.svg"));
}

QIcon diagnosticsIcon() {
    return QIcon::fromTheme(QStringLiteral("utilities-system-monitor"),
                            QIcon(QStringLiteral(":/icons/diagnostics.svg")));
}

QIcon controlsIcon() {
    return QIcon::fromTheme(QStringLiteral("preferences-system"),
                            QIcon(QStringLiteral(":/icons/controls.svg")));
}

}  // namespace zav::app::window
