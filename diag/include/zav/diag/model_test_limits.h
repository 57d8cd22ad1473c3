#pragma once
// Per-model limits of the diagnostic tests, chosen by the unit type.
#include <QString>
#include <cstdint>

namespace zav::diag {

struct ModelTestLimits {
    // Mechanical rows after the sensor rows: 2 = motor forward and reverse,
    // 3 = plus stacker, 4 = plus straightener.
    std::uint8_t MechanismCount = 0;
    std::int16_t StackerSensor = 0;
    std::int16_t PaperRiseSensor = 0;
    std::int16_t TolerancePercent = 0;
    std::int16_t OptoLimit = 0;
};

// Sets the limits for `unitType` (compared exactly: "RX3", "RX5", "RX8",
// "TM3", "TM4", "TM5", "TM6"); a limit the model does not name keeps its
// value. Any other unit type gets no mechanical rows and 30 % tolerance.
void SetModelTestLimits(ModelTestLimits& limits, const QString& unitType);

// True for the seven unit types that have limits of their own.
bool IsSupportedModel(const QString& unitType);

}  // namespace zav::diag
