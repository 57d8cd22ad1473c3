#include "zav/lang/language_settings.h"

#include <cstdint>
#include <limits>

#include "zav/base/settings.h"

namespace zav::lang {

LanguageSettings readLanguageSettings() {
    const auto settings = base::settings::openUserSettings();
    settings->beginGroup(QLatin1String(base::settings::kStartupGroup));
    LanguageSettings stored;
    stored.countryCode =
        settings->value(QLatin1String(base::settings::kCountryCodeKey), stored.countryCode)
            .toString();
    bool ok = false;
    const int option =
        settings->value(QLatin1String(base::settings::kCountryCodeOptionKey)).toString().toInt(&ok);
    if (ok && option >= std::numeric_limits<std::int16_t>::min() &&
        option <= std::numeric_limits<std::int16_t>::max()) {
        stored.countryCodeOption = option;
    }
    return stored;
}

void storeCountryCode(const QString& code) {
    base::settings::store(base::settings::kCountryCodeKey, code);
}

void storeCountryCodeOption(int option) {
    base::settings::store(base::settings::kCountryCodeOptionKey, QString::number(option));
}

}  // namespace zav::lang
