#include "zav/diag/model_test_limits.h"

#include <optional>

namespace zav::diag {
namespace {

struct ModelLimits {
    const char* unitType;
    std::uint8_t mechanismCount;
    std::int16_t optoLimit;
    std::optional<std::int16_t> stackerSensor;
    std::optional<std::int16_t> paperRiseSensor;
    std::int16_t tolerancePercent;
};

constexpr ModelLimits kModels[] = {
    {"RX3", 2, 64, std::nullopt, std::nullopt, 30},
    {"RX5", 3, 64, 16, 15, 30},
    {"RX8", 3, 64, 19, 17, 30},
    {"TM6", 4, 120, 22, 21, 40},
    {"TM4", 2, 64, std::nullopt, std::nullopt, 40},
    {"TM5", 3, 64, 20, std::nullopt, 40},
    {"TM3", 3, 64, 20, std::nullopt, 40},
};

const ModelLimits* FindModel(const QString& unitType) {
    for (const ModelLimits& model : kModels) {
        if (unitType == QLatin1String(model.unitType)) return &model;
    }
    return nullptr;
}

}  // namespace

void SetModelTestLimits(ModelTestLimits& limits, const QString& unitType) {
    const ModelLimits* model = FindModel(unitType);
    if (!model) {
        limits.MechanismCount = 0;
        limits.TolerancePercent = 30;
        return;
    }
    limits.MechanismCount = model->mechanismCount;
    limits.OptoLimit = model->optoLimit;
    if (model->stackerSensor) limits.StackerSensor = *model->stackerSensor;
    if (model->paperRiseSensor) limits.PaperRiseSensor = *model->paperRiseSensor;
    limits.TolerancePercent = model->tolerancePercent;
}

bool IsSupportedModel(const QString& unitType) {
    return FindModel(unitType) != nullptr;
}

}  // namespace zav::diag
