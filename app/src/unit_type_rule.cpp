#include "zav/app/unit_type_rule.h"

namespace zav::app {

bool ApplyFirmwareUnitType(ValidatorData& data, const VersionData& version) {
    constexpr int kCompared = 3;
    if (data.UnitType != QLatin1String("TM5") || version.FullFirmware.isEmpty()) return false;
    if (data.UnitType.right(kCompared) == version.FullFirmware.right(kCompared)) return false;
    data.UnitType = QStringLiteral("TM3");
    return true;
}

}  // namespace zav::app
