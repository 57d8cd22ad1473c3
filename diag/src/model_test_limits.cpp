#include "zav/diag/model_test_limits.h"

#include "zav/app/model_table.h"

namespace zav::diag {

void SetModelTestLimits(ModelTestLimits& limits, const QString& unitType) {
    const app::ModelTraits* model = app::FindModel(unitType);
    if (!model) {
        limits.MechanismCount = 0;
        limits.TolerancePercent = 30;
        return;
    }
    // Motor forward and reverse, then the stacker and the straightener the
    // model has.
    limits.MechanismCount = static_cast<std::uint8_t>(2 + model->stacker + model->straightener);
    limits.OptoLimit = model->optoLimit;
    if (model->stackerSensor) limits.StackerSensor = *model->stackerSensor;
    if (model->paperRiseSensor) limits.PaperRiseSensor = *model->paperRiseSensor;
    limits.TolerancePercent = model->tolerancePercent;
}

bool IsSupportedModel(const QString& unitType) {
    return app::FindModel(unitType) != nullptr;
}

}  // namespace zav::diag
