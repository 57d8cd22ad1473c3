#include "zav/window/icons.h"

namespace zav::window {

QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/zav-diagnostics.svg"));
}

namespace {

// The theme's icon when it has one; our own is only read when it has not.
QIcon themeIconOr(const QString& themeName, const QString& ownFile) {
    return QIcon::hasThemeIcon(themeName) ? QIcon::fromTheme(themeName) : QIcon(ownFile);
}

}  // namespace

QIcon diagnosticsIcon() {
    return themeIconOr(QStringLiteral("utilities-system-monitor"),
                       QStringLiteral(":/icons/diagnostics.svg"));
}

QIcon controlsIcon() {
    return themeIconOr(QStringLiteral("preferences-system"),
                       QStringLiteral(":/icons/controls.svg"));
}

}  // namespace zav::window
