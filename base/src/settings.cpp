#include "zav/base/settings.h"

#include "zav/base/product.h"

namespace zav::base::settings {

std::unique_ptr<QSettings> openUserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, productName(),
                                       productName());
}

}  // namespace zav::base::settings
