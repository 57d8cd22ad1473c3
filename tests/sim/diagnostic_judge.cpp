#include "diagnostic_judge.h"

#include <QString>

#include "zav/diag/model_test_limits.h"
#include "zav/diag/result_table.h"
#include "zav/diag/test_rules.h"

namespace zav::sim::test {
namespace {

constexpr std::uint8_t kOptoWheelCode = 0xB9;
constexpr std::uint8_t kStraightenerCode = 0xD3;

// The program's substitution: a TM5 whose firmware ends in other characters
// is a TM3.
QString unit_type(const Profile& profile) {
    const QString type = QString::fromLatin1(profile.unit_type);
    const QString firmware = QString::fromLatin1(profile.firmware);
    return type == "TM5" && firmware.right(3) != type.right(3) ? QString("TM3") : type;
}

}  // namespace

app::ValidatorData unit_record(const Profile& profile) {
    app::ValidatorData unit;
    unit.UnitType = unit_type(profile);
    unit.SensorCount = static_cast<std::int16_t>(profile.sensors.size());
    unit.ResizeSensorLists(unit.SensorCount);
    for (std::size_t i = 0; i < profile.sensors.size(); ++i) {
        const SensorProfile& s = profile.sensors[i];
        unit.SensorName[i] = QString::fromLatin1(s.name);
        unit.Code[i] = s.code;
        unit.Type[i] = static_cast<std::uint8_t>(s.type);
        unit.PaperTgt[i] = s.paper_target;
        unit.PathTgt[i] = s.path_target;
        unit.Gain1[i] = s.gain1;
        unit.Gain2[i] = s.gain2;
        unit.Detect[i] = s.detect;
        unit.DetectThresh[i] = s.detect_threshold;
        unit.PhaseDelay[i] = static_cast<std::int16_t>(s.phase_delay);
    }
    return unit;
}

std::vector<int> failing_rows(const Profile& profile, const std::vector<UtilityPacket>& packets) {
    const app::ValidatorData unit = unit_record(profile);
    diag::ModelTestLimits limits;
    diag::SetModelTestLimits(limits, unit.UnitType);
    diag::ResultTable table;
    table.Recreate(unit.SensorCount, limits.MechanismCount);
    diag::TestRules rules(unit, limits, table);

    std::size_t next = 0;
    const auto take = [&]() -> const UtilityPacket* {
        return next < packets.size() ? &packets[next++] : nullptr;
    };
    if (unit.UnitType != "RX3" && unit.UnitType != "TM4") {
        if (const auto* p = take()) rules.EvaluateStacker(p->data);
    }
    if (const auto* p = take(); p && p->code == kOptoWheelCode) rules.EvaluateOptoWheel(p->data);
    if (unit.UnitType == "TM6") {
        if (const auto* p = take(); p && p->code == kStraightenerCode)
            rules.EvaluateStraightener(p->data);
    }
    if (const auto* p = take()) rules.EvaluatePathTest(p->data);
    if (const auto* p = take()) rules.EvaluatePaperTest(p->data);

    std::vector<int> failing;
    for (int row = 0; row < table.RowCount(); ++row) {
        if (!table.Row(row)->Passes()) failing.push_back(row);
    }
    return failing;
}

}  // namespace zav::sim::test
