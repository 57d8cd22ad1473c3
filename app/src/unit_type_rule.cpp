#include "zav/app/unit_type_rule.h"

#include "zav/app/model_table.h"

namespace zav::app {

bool ApplyFirmwareUnitType(ValidatorData& data, const VersionData& version) {
    constexpr int kCompared = 3;
    const ModelTraits* model = FindModel(data.UnitType);
    if (!model || !model->firmwareMayMake || version.FullFirmware.isEmpty()) return false;
    if (data.UnitType.right(kCompared) == version.FullFirmware.right(kCompared)) return false;
    data.UnitType = QLatin1String(model->firmwareMayMake);
    return true;
}

}  // namespace zav::app
