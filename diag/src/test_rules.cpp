#include "zav/diag/test_rules.h"

#include <algorithm>

namespace zav::diag {
namespace {

// Sensor types that take no part in the paper-less test.
bool SkipsPathTest(std::uint8_t type) {
    return type == 0x5A || type == 0x28 || type == 0x59 || type == 0x5B || type == 0x5F;
}

constexpr std::uint8_t kUnjudgedPaperType = 0x5F;  // "_": no window rule either

std::uint8_t ByteAt(std::span<const std::uint8_t> data, std::size_t index) {
    return index < data.size() ? data[index] : 0;
}

std::uint8_t ClampToByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// numerator / denominator rounded to the nearest integer, halves to even.
int RoundHalfEven(int numerator, int denominator) {
    int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0)) {
        ++quotient;
    } else if (twiceRemainder < -denominator ||
               (twiceRemainder == -denominator && quotient % 2 != 0)) {
        --quotient;
    }
    return quotient;
}

struct Window {
    std::uint8_t min;
    std::uint8_t max;
    bool Holds(std::uint8_t reading) const { return min <= reading && reading <= max; }
};

// Target plus and minus the model's tolerance, kept within 0..255.
Window ToleranceWindow(std::uint8_t target, int tolerancePercent) {
    const int margin = RoundHalfEven(target * tolerancePercent, 100);
    return {ClampToByte(target - margin), ClampToByte(target + margin)};
}

void SetBothMinMax(ResultRow& row, std::uint8_t min, std::uint8_t max) {
    row.PathMin = row.PaperMin = min;
    row.PathMax = row.PaperMax = max;
}

void SetPaperThreshold(ResultRow& row, std::uint8_t threshold, bool passWhenAtOrAbove,
                       std::uint8_t reading) {
    row.PaperMin = row.PaperMax = threshold;
    row.PaperPass = passWhenAtOrAbove ? reading >= threshold : reading <= threshold;
}

}  // namespace

TestRules::TestRules(const app::ValidatorData& unit, const ModelTestLimits& limits,
                     ResultTable& table)
    : unit_(unit), model_(app::FindModel(unit.UnitType)), limits_(limits), table_(table) {}

void TestRules::EvaluateStacker(std::span<const std::uint8_t> data) {
    const int d0 = ByteAt(data, 0), d1 = ByteAt(data, 1), d2 = ByteAt(data, 2);
    const int d3 = ByteAt(data, 3), d4 = ByteAt(data, 4), d5 = ByteAt(data, 5);
    const int s = limits_.StackerSensor;
    const bool endsClear = model_ && model_->stackerEndsClear;

    int limit = app::ValueAt(unit_.PathTgt, s);
    if (!endsClear) limit += app::ValueAt(unit_.DetectThresh, s);
    limit = std::max(limit, 0);
    const bool pass = endsClear ? (d0 > d2 - 20 && d2 > limit) : (d0 < d1 + 20 && d2 > limit);

    if (ResultRow* sensor = table_.SensorRow(s)) {
        SetBothMinMax(*sensor, ClampToByte(d1), ClampToByte(d2));
        sensor->PathRead = ClampToByte(d0);
        sensor->SetVerdict(pass);
    }
    if (ResultRow* stacker = table_.Mechanism(MechanicalRow::Stacker)) stacker->SetVerdict(pass);

    if (!model_ || !model_->judgesMechanismSensors) return;
    if (ResultRow* sensor21 = table_.SensorRow(21)) sensor21->SetVerdict(d3 != 0);
    if (ResultRow* sensor23 = table_.SensorRow(23)) {
        SetBothMinMax(*sensor23, ClampToByte(d4), ClampToByte(d5));
        sensor23->SetVerdict(d4 + 30 < d5);
    }
}

void TestRules::EvaluateOptoWheel(std::span<const std::uint8_t> data) {
    const int d0 = ByteAt(data, 0), d1 = ByteAt(data, 1), d2 = ByteAt(data, 2);
    const int d3 = ByteAt(data, 3);
    if (ResultRow* forward = table_.Mechanism(MechanicalRow::MotorFwd)) {
        forward->SetVerdict(0 < d0 && d0 < limits_.OptoLimit);
    }
    if (ResultRow* reverse = table_.Mechanism(MechanicalRow::MotorRev)) {
        reverse->SetVerdict(0 < d1 && d1 < limits_.OptoLimit);
    }
    if (!model_ || !model_->judgesMechanismSensors) return;
    if (ResultRow* sensor22 = table_.SensorRow(22)) sensor22->SetVerdict(d3 > d2 + 30);
}

void TestRules::EvaluateStraightener(std::span<const std::uint8_t> data) {
    const int d0 = ByteAt(data, 0), d1 = ByteAt(data, 1), d2 = ByteAt(data, 2);
    const int detect = app::ValueAt(unit_.Detect, 19);
    // d0 >= 0.75 * d2, exactly, in integers.
    const bool pass = d1 < detect && detect < d2 && 4 * d0 >= 3 * d2;
    if (ResultRow* straightener = table_.Mechanism(MechanicalRow::Straightener)) {
        straightener->SetVerdict(pass);
    }
    if (ResultRow* sensor19 = table_.SensorRow(19)) sensor19->SetVerdict(pass);
}

void TestRules::EvaluatePathTest(std::span<const std::uint8_t> readings) {
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const int sensor = static_cast<int>(i);
        ResultRow* row = table_.SensorRow(sensor);
        if (!row || SkipsPathTest(app::ValueAt(unit_.Type, sensor))) continue;
        const Window window =
            ToleranceWindow(app::ValueAt(unit_.PathTgt, sensor), limits_.TolerancePercent);
        row->PathMin = window.min;
        row->PathRead = readings[i];
        row->PathMax = window.max;
        row->PathPass = window.Holds(readings[i]);
    }

    // Sensors the green-paper test does not judge pass that test in advance.
    if (!model_) return;
    for (int sensor : model_->sensorsWithoutPaperTest) {
        if (ResultRow* row = table_.SensorRow(sensor)) row->PaperPass = true;
    }
    if (model_->paperLimitsFromPathSensor) {
        if (ResultRow* row = table_.SensorRow(*model_->paperLimitsFromPathSensor)) {
            row->PaperMax = row->PathMax;
            row->PaperMin = row->PathMin;
        }
    }
}

void TestRules::EvaluatePaperTest(std::span<const std::uint8_t> readings) {
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const int sensor = static_cast<int>(i);
        ResultRow* row = table_.SensorRow(sensor);
        if (!row) continue;
        row->PaperRead = readings[i];
        if (app::ValueAt(unit_.DetectThresh, sensor) != 0) {
            EvaluatePaperThreshold(sensor, *row, readings[i]);
            continue;
        }
        if (app::ValueAt(unit_.Type, sensor) == kUnjudgedPaperType) continue;
        const Window window =
            ToleranceWindow(app::ValueAt(unit_.PaperTgt, sensor), limits_.TolerancePercent);
        row->PaperMin = window.min;
        row->PaperMax = window.max;
        row->PaperPass = window.Holds(readings[i]);
    }
}

// The threshold rule of the green-paper test, for a sensor whose DetectThresh
// is not 0: the threshold is PaperTgt + DetectThresh, within 0..255.
void TestRules::EvaluatePaperThreshold(int sensor, ResultRow& row, std::uint8_t reading) {
    const int offset = app::ValueAt(unit_.DetectThresh, sensor);
    const std::uint8_t threshold = ClampToByte(app::ValueAt(unit_.PaperTgt, sensor) + offset);
    const auto below = [&] { SetPaperThreshold(row, threshold, false, reading); };

    if (!model_) return;
    switch (model_->paperThreshold) {
        case app::PaperThresholdRule::AllFall:
            below();
            break;
        case app::PaperThresholdRule::RxRising:
            if (offset > 0 || sensor == limits_.PaperRiseSensor) {
                SetPaperThreshold(row, threshold, true, reading);
            } else if (sensor != limits_.StackerSensor) {
                below();
            }
            break;
        case app::PaperThresholdRule::Tm6:
            if (offset < 0 && sensor != 23) below();
            break;
        case app::PaperThresholdRule::Tm3Family:
            if (sensor == 18) {
                row.SetVerdict(reading > threshold);
            } else if (sensor < 19 || sensor > 22) {
                below();
            }
            break;
    }
}

}  // namespace zav::diag
