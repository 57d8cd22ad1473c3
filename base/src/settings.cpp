#include "zav/base/settings.h"

#include "zav/base/product.h"

namespace zav::base::settings {
namespace {

bool storing = true;

}  // namespace

std::unique_ptr<QSettings> openUserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, productName(),
                                       productName());
}

void store(const char* key, const QString& value) {
    if (!storing) return;
    const auto settings = openUserSettings();
    settings->beginGroup(QLatin1String(kStartupGroup));
    settings->setValue(QLatin1String(key), value);
}

void setStoring(bool on) {
    storing = on;
}

}  // namespace zav::base::settings
