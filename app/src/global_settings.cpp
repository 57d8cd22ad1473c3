#include "zav/app/product.h"
#include "zav/app/settings_keys.h"

namespace zav::app::settings {

std::unique_ptr<QSettings> openUserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, productName(),
                                       productName());
}

}  // namespace zav::app::settings
