#include "zav/app/current_port.h"

#include <limits>

#include "zav/base/settings.h"

namespace zav::app {
namespace {

std::int16_t currentPort = 0;

}  // namespace

std::int16_t CurrentPort() {
    return currentPort;
}

void SetCurrentPort(std::int16_t port) {
    currentPort = port;
}

std::int16_t LoadCurrentPort() {
    const auto settings = base::settings::openUserSettings();
    settings->beginGroup(QLatin1String(base::settings::kStartupGroup));
    bool ok = false;
    const int stored =
        settings->value(QLatin1String(base::settings::kPortKey)).toString().toInt(&ok);
    const bool fits = ok && stored >= std::numeric_limits<std::int16_t>::min() &&
                      stored <= std::numeric_limits<std::int16_t>::max();
    currentPort = fits ? static_cast<std::int16_t>(stored) : 0;
    return currentPort;
}

void StoreCurrentPort(std::int16_t port) {
    currentPort = port;
    base::settings::store(base::settings::kPortKey, QString::number(port));
}

}  // namespace zav::app
