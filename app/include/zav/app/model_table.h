#pragma once
// What the program knows of each validator model, by the unit type the
// identification gives: one row per model, read by the diagnostic's steps,
// test limits and rules, the results lists, the controls, the sensor poll
// and the RAM-utility download. A unit type without a row (a PQ1, a model
// the program does not know) has no RAM utility, no test limits and no
// sensor poll.
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace zav::app {

// How the green-paper test judges a sensor with a detect threshold.
enum class PaperThresholdRule {
    AllFall,    // every such sensor reads at or below its threshold (RX3, TM4)
    RxRising,   // positive thresholds and the paper-rise sensor rise, the
                // stacker sensor is not judged, the others fall (RX5, RX8)
    Tm6,        // negative thresholds fall, sensor 23 is not judged (TM6)
    Tm3Family,  // sensor 18 rises, sensors 19 to 22 are not judged, the others
                // fall (TM3, TM5)
};

struct ModelTraits {
    const char* unitType;  // "RX3" ... "TM6", compared exactly
    bool stacker;          // tested in the diagnostic (step 5) and listed as a row
    bool straightener;     // tested (step 7) and listed as a row
    bool bezel;            // the controls offer the bezel's colours
    // The stacker test's rule: true where the stacker sensor ends clear of
    // the plate and reads above the empty-path level (TM6).
    bool stackerEndsClear;
    // The stacker and opto-wheel tests also judge the stacker's home and
    // plate sensors (21, 23) and the opto wheel's own sensor (22).
    bool judgesMechanismSensors;
    // The sensor poll reads sensor 17 with a command of its own.
    bool pollsSensor17Apart;
    // Sensors the green-paper test does not judge: they pass it in advance.
    std::span<const int> sensorsWithoutPaperTest;
    // A sensor whose green-paper limits are its paper-less ones (TM6: 23).
    std::optional<int> paperLimitsFromPathSensor;
    PaperThresholdRule paperThreshold;
    // A unit of this type whose firmware text ends otherwise runs the
    // firmware of this other type (a TM5 with TM3 firmware is a TM3).
    const char* firmwareMayMake;
    // The diagnostic's limits.
    std::int16_t optoLimit;
    std::optional<std::int16_t> stackerSensor;
    std::optional<std::int16_t> paperRiseSensor;
    std::int16_t tolerancePercent;
};

// The row of `unitType`, or nullptr for a type the program does not know.
const ModelTraits* FindModel(const QString& unitType);

// Every row, in the order of the RAM-utility file table.
std::span<const ModelTraits> AllModels();

}  // namespace zav::app
