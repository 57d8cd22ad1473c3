#include "zav/diag/test_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "zav/diag/model_test_limits.h"
#include "zav/diag/result_table.h"

namespace zav::diag {
namespace {

// A unit of the given model whose sensors all have plain type "A", targets
// of 100 and no detect threshold; tests change what they need.
struct Diagnostic {
    explicit Diagnostic(const char* unitType, int sensors = 24) {
        unit.UnitType = QString::fromLatin1(unitType);
        unit.SensorCount = static_cast<std::int16_t>(sensors);
        unit.ResizeSensorLists(sensors);
        unit.Type.assign(static_cast<std::size_t>(sensors), 'A');
        unit.PathTgt.assign(static_cast<std::size_t>(sensors), 100);
        unit.PaperTgt.assign(static_cast<std::size_t>(sensors), 100);
        SetModelTestLimits(limits, unit.UnitType);
        table.Recreate(sensors, limits.MechanismCount);
    }
    TestRules Rules() { return TestRules(unit, limits, table); }
    const ResultRow& Sensor(int i) const { return *table.SensorRow(i); }
    const ResultRow& MechanismRow(int k) const { return *table.Row(unit.SensorCount + k); }

    app::ValidatorData unit;
    ModelTestLimits limits;
    ResultTable table;
};

std::vector<std::uint8_t> Readings(int count, std::uint8_t value) {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(count), value);
}

TEST(ModelTestLimits, UnnamedLimitsKeepTheirValues) {
    ModelTestLimits limits;
    SetModelTestLimits(limits, "TM6");
    SetModelTestLimits(limits, "TM4");
    EXPECT_EQ(limits.MechanismCount, 2);
    EXPECT_EQ(limits.OptoLimit, 64);
    EXPECT_EQ(limits.StackerSensor, 22);
    EXPECT_EQ(limits.PaperRiseSensor, 21);
    EXPECT_EQ(limits.TolerancePercent, 40);

    SetModelTestLimits(limits, "RX3");
    EXPECT_EQ(limits.TolerancePercent, 30);
    EXPECT_EQ(limits.StackerSensor, 22);

    // Exact comparison: a lower-case or padded type is another model.
    for (const char* other : {"tm6", "TM6 ", "PQ1", ""}) {
        SetModelTestLimits(limits, "TM6");
        SetModelTestLimits(limits, other);
        EXPECT_EQ(limits.MechanismCount, 0) << other;
        EXPECT_EQ(limits.TolerancePercent, 30) << other;
        EXPECT_EQ(limits.OptoLimit, 120) << other;
        EXPECT_FALSE(IsSupportedModel(other)) << other;
    }
}

TEST(ResultTable, RowsPassOnlyWhenBothColumnsPass) {
    ResultTable table;
    table.Recreate(2, 2);
    ASSERT_EQ(table.RowCount(), 4);
    EXPECT_FALSE(table.OverallVerdict());  // nothing decided yet
    for (int i = 0; i < 4; ++i) table.Row(i)->SetVerdict(true);
    EXPECT_TRUE(table.OverallVerdict());
    table.Row(3)->PaperPass = false;
    EXPECT_FALSE(table.Row(3)->Passes());
    EXPECT_FALSE(table.OverallVerdict());

    EXPECT_EQ(table.Row(4), nullptr);
    EXPECT_EQ(table.Row(-1), nullptr);
    EXPECT_EQ(table.SensorRow(2), nullptr);
    EXPECT_EQ(table.Mechanism(MechanicalRow::Stacker), nullptr);
    EXPECT_EQ(table.Mechanism(MechanicalRow::MotorRev), table.Row(3));
}

TEST(ResultTable, EmptyTableDoesNotPass) {
    ResultTable table;
    table.Recreate(0, 0);
    EXPECT_FALSE(table.OverallVerdict());
}

TEST(ResultTable, ClearReadingsKeepsLimitsAndVerdicts) {
    ResultTable table;
    table.Recreate(1, 0);
    ResultRow& row = *table.Row(0);
    row = {10, 20, 30, true, 40, 50, 60, true};
    table.ClearReadings();
    EXPECT_EQ(row.PathRead, 0);
    EXPECT_EQ(row.PaperRead, 0);
    EXPECT_EQ(row.PathMin, 10);
    EXPECT_EQ(row.PaperMax, 60);
    EXPECT_TRUE(row.Passes());
    table.Recreate(1, 0);
    EXPECT_EQ(table.Row(0)->PathMin, 0);
    EXPECT_FALSE(table.Row(0)->PathPass);
}

TEST(PathTest, ToleranceRoundsHalvesToEvenAndClamps) {
    struct Case {
        const char* model;
        std::uint8_t target;
        std::uint8_t min, max;
    };
    const Case cases[] = {
        {"RX5", 25, 17, 33},     // 7.5 rounds to 8
        {"RX5", 15, 11, 19},     // 4.5 rounds to 4
        {"RX5", 5, 3, 7},        // 1.5 rounds to 2
        {"TM4", 200, 120, 255},  // 280 lowered to 255
        {"TM4", 255, 153, 255}, {"TM4", 0, 0, 0},
    };
    for (const Case& c : cases) {
        Diagnostic d(c.model, 1);
        d.unit.PathTgt[0] = c.target;
        const std::uint8_t inside[] = {c.min};
        d.Rules().EvaluatePathTest(inside);
        EXPECT_EQ(d.Sensor(0).PathMin, c.min) << int(c.target);
        EXPECT_EQ(d.Sensor(0).PathMax, c.max) << int(c.target);
        EXPECT_EQ(d.Sensor(0).PathRead, c.min);
        EXPECT_TRUE(d.Sensor(0).PathPass);
        if (c.min > 0) {
            const std::uint8_t below[] = {static_cast<std::uint8_t>(c.min - 1)};
            d.Rules().EvaluatePathTest(below);
            EXPECT_FALSE(d.Sensor(0).PathPass) << int(c.target);
        }
        if (c.max < 255) {
            const std::uint8_t above[] = {static_cast<std::uint8_t>(c.max + 1)};
            d.Rules().EvaluatePathTest(above);
            EXPECT_FALSE(d.Sensor(0).PathPass) << int(c.target);
        }
    }
}

TEST(PathTest, ExcludedSensorTypesKeepTheirRow) {
    for (std::uint8_t type : {0x5A, 0x28, 0x59, 0x5B, 0x5F}) {
        Diagnostic d("TM4", 2);
        d.unit.Type[0] = type;
        d.table.SensorRow(0)->PathPass = true;  // as a mechanical rule may have set it
        d.Rules().EvaluatePathTest(Readings(2, 0));
        EXPECT_TRUE(d.Sensor(0).PathPass) << int(type);
        EXPECT_EQ(d.Sensor(0).PathMax, 0) << int(type);
        EXPECT_EQ(d.Sensor(0).PathRead, 0) << int(type);
        EXPECT_FALSE(d.Sensor(1).PathPass);  // reading 0 is outside 60..140
    }
}

TEST(PathTest, SensorsWithoutPaperTestPassItInAdvance) {
    struct Case {
        const char* model;
        std::vector<int> sensors;
    };
    const Case cases[] = {
        {"RX3", {8, 9}},           {"RX5", {8, 9}},           {"RX8", {14, 15}}, {"TM4", {12, 13}},
        {"TM3", {14, 15, 19, 23}}, {"TM5", {14, 15, 19, 23}}, {"TM6", {23}},     {"XY1", {}}};
    for (const Case& c : cases) {
        Diagnostic d(c.model);
        d.Rules().EvaluatePathTest(Readings(24, 100));
        for (int i = 0; i < 24; ++i) {
            const bool expected =
                std::find(c.sensors.begin(), c.sensors.end(), i) != c.sensors.end();
            EXPECT_EQ(d.Sensor(i).PaperPass, expected) << c.model << " sensor " << i;
            EXPECT_TRUE(d.Sensor(i).PathPass) << c.model << " sensor " << i;
        }
    }
    Diagnostic tm6("TM6");
    tm6.unit.PathTgt[23] = 50;
    tm6.Rules().EvaluatePathTest(Readings(24, 50));
    EXPECT_EQ(tm6.Sensor(23).PaperMin, 30);
    EXPECT_EQ(tm6.Sensor(23).PaperMax, 70);
}

TEST(PathTest, ExtraReadingsBeyondTheTableAreIgnored) {
    Diagnostic d("TM6", 3);
    d.Rules().EvaluatePathTest(Readings(251, 100));  // more bytes than rows
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(d.Sensor(i).PathPass);
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(d.MechanismRow(k).PathPass) << k;
        EXPECT_EQ(d.MechanismRow(k).PathRead, 0) << k;
    }
}

TEST(PaperTest, WindowRuleWhenNoDetectThreshold) {
    Diagnostic d("RX8", 2);
    d.unit.PaperTgt = {25, 15};
    const std::uint8_t readings[] = {33, 20};
    d.Rules().EvaluatePaperTest(readings);
    EXPECT_EQ(d.Sensor(0).PaperMin, 17);
    EXPECT_EQ(d.Sensor(0).PaperMax, 33);
    EXPECT_EQ(d.Sensor(0).PaperRead, 33);
    EXPECT_TRUE(d.Sensor(0).PaperPass);
    EXPECT_EQ(d.Sensor(1).PaperMax, 19);
    EXPECT_FALSE(d.Sensor(1).PaperPass);
}

TEST(PaperTest, UnderscoreSensorGetsNoVerdictFromEitherTest) {
    Diagnostic d("TM4", 1);
    d.unit.Type[0] = '_';
    d.Rules().EvaluatePathTest(Readings(1, 100));
    d.Rules().EvaluatePaperTest(Readings(1, 100));
    EXPECT_EQ(d.Sensor(0).PaperRead, 100);  // read, but not judged
    EXPECT_EQ(d.Sensor(0).PaperMax, 0);
    EXPECT_FALSE(d.Sensor(0).PathPass);
    EXPECT_FALSE(d.Sensor(0).PaperPass);
}

TEST(PaperTest, ThresholdIsClampedToByteRange) {
    Diagnostic d("RX3", 2);
    d.unit.PaperTgt = {40, 250};
    d.unit.DetectThresh = {-56, 20};
    const std::uint8_t readings[] = {0, 255};
    d.Rules().EvaluatePaperTest(readings);
    EXPECT_EQ(d.Sensor(0).PaperMin, 0);
    EXPECT_EQ(d.Sensor(0).PaperMax, 0);
    EXPECT_TRUE(d.Sensor(0).PaperPass);  // 0 <= 0
    EXPECT_EQ(d.Sensor(1).PaperMax, 255);
    EXPECT_TRUE(d.Sensor(1).PaperPass);  // RX3 passes at or below

    const std::uint8_t above[] = {1, 255};
    d.Rules().EvaluatePaperTest(above);
    EXPECT_FALSE(d.Sensor(0).PaperPass);
}

// Sensor 0: threshold above (+10); sensor 1: below (-10); both on target 100.
struct ThresholdCase {
    const char* model;
    int sensor;
    int offset;
    std::uint8_t reading;
    bool judged;
    bool pass;
};

TEST(PaperTest, ThresholdRuleByModel) {
    const ThresholdCase cases[] = {
        // RX3 and TM4: pass at or below the threshold, whatever the sign.
        {"RX3", 0, 10, 110, true, true},
        {"RX3", 0, 10, 111, true, false},
        {"TM4", 0, -10, 90, true, true},
        {"TM4", 0, -10, 91, true, false},
        // RX5/RX8: a positive offset or the paper-rise sensor passes at or above.
        {"RX5", 0, 10, 110, true, true},
        {"RX5", 0, 10, 109, true, false},
        {"RX8", 17, -10, 90, true, true},
        {"RX8", 17, -10, 89, true, false},
        {"RX5", 15, -10, 89, true, false},
        {"RX8", 19, -10, 0, false, false},  // the stacker sensor is skipped
        {"RX5", 16, -10, 0, false, false},
        {"RX8", 3, -10, 90, true, true},
        {"RX8", 3, -10, 91, true, false},
        // TM6: only negative offsets, never sensor 23.
        {"TM6", 0, 10, 0, false, false},
        {"TM6", 23, -10, 0, false, false},
        {"TM6", 5, -10, 90, true, true},
        {"TM6", 5, -10, 91, true, false},
        // TM3/TM5: 19..22 skipped, others at or below.
        {"TM3", 19, -10, 0, false, false},
        {"TM5", 22, 10, 0, false, false},
        {"TM5", 23, 10, 110, true, true},
        {"TM3", 2, 10, 111, true, false},
        // Other models: no verdict at all.
        {"RX7", 0, -10, 0, false, false},
    };
    for (const ThresholdCase& c : cases) {
        Diagnostic d(c.model);
        d.unit.DetectThresh[static_cast<std::size_t>(c.sensor)] =
            static_cast<std::int16_t>(c.offset);
        std::vector<std::uint8_t> readings = Readings(24, 0);
        readings[static_cast<std::size_t>(c.sensor)] = c.reading;
        d.Rules().EvaluatePaperTest(readings);
        const ResultRow& row = d.Sensor(c.sensor);
        EXPECT_EQ(row.PaperRead, c.reading) << c.model << " " << c.sensor;
        EXPECT_EQ(row.PaperPass, c.pass) << c.model << " " << c.sensor;
        EXPECT_EQ(row.PaperMax, c.judged ? 100 + c.offset : 0) << c.model << " " << c.sensor;
        EXPECT_EQ(row.PaperMin, row.PaperMax) << c.model << " " << c.sensor;
        EXPECT_FALSE(row.PathPass) << c.model << " " << c.sensor;
    }
}

TEST(PaperTest, Tm3Sensor18DecidesBothColumns) {
    for (const char* model : {"TM3", "TM5"}) {
        Diagnostic d(model);
        d.unit.DetectThresh[18] = -20;  // threshold 80
        std::vector<std::uint8_t> readings = Readings(24, 0);
        readings[18] = 81;
        d.Rules().EvaluatePaperTest(readings);
        EXPECT_TRUE(d.Sensor(18).PathPass) << model;
        EXPECT_TRUE(d.Sensor(18).PaperPass) << model;
        readings[18] = 80;
        d.Rules().EvaluatePaperTest(readings);
        EXPECT_FALSE(d.Sensor(18).PathPass) << model;
        EXPECT_FALSE(d.Sensor(18).PaperPass) << model;
    }
}

TEST(Stacker, OtherModelsCompareWithPathTargetPlusThreshold) {
    Diagnostic d("RX8");  // stacker sensor 19
    d.unit.PathTgt[19] = 100;
    d.unit.DetectThresh[19] = -30;  // limit 70
    const std::array<std::uint8_t, 6> pass = {119, 100, 71, 0, 0, 0};
    d.Rules().EvaluateStacker(pass);
    const ResultRow& sensor = d.Sensor(19);
    EXPECT_EQ(sensor.PathRead, 119);
    EXPECT_EQ(sensor.PathMin, 100);
    EXPECT_EQ(sensor.PaperMin, 100);
    EXPECT_EQ(sensor.PathMax, 71);
    EXPECT_EQ(sensor.PaperMax, 71);
    EXPECT_TRUE(sensor.Passes());
    EXPECT_TRUE(d.MechanismRow(2).Passes());

    const std::array<std::uint8_t, 6> notBelow = {120, 100, 71, 0, 0, 0};
    d.Rules().EvaluateStacker(notBelow);
    EXPECT_FALSE(sensor.PathPass);
    EXPECT_FALSE(sensor.PaperPass);
    EXPECT_FALSE(d.MechanismRow(2).PathPass);

    const std::array<std::uint8_t, 6> atLimit = {0, 100, 70, 0, 0, 0};
    d.Rules().EvaluateStacker(atLimit);
    EXPECT_FALSE(d.MechanismRow(2).Passes());

    d.unit.DetectThresh[19] = -120;  // negative limit raised to 0
    const std::array<std::uint8_t, 6> aboveZero = {0, 0, 1, 0, 0, 0};
    d.Rules().EvaluateStacker(aboveZero);
    EXPECT_TRUE(d.MechanismRow(2).Passes());
}

TEST(Stacker, Tm6UsesPathTargetAloneAndTheUpperReading) {
    Diagnostic d("TM6");  // stacker sensor 22
    d.unit.PathTgt[22] = 100;
    d.unit.DetectThresh[22] = -50;                                      // ignored on TM6
    const std::array<std::uint8_t, 6> atEdge = {180, 0, 200, 0, 0, 0};  // d0 = d2 - 20
    d.Rules().EvaluateStacker(atEdge);
    EXPECT_FALSE(d.Sensor(22).Passes());
    const std::array<std::uint8_t, 6> inside = {181, 0, 200, 0, 0, 0};  // d0 = d2 - 19
    d.Rules().EvaluateStacker(inside);
    EXPECT_TRUE(d.Sensor(22).Passes());
    EXPECT_TRUE(d.MechanismRow(2).Passes());
    const std::array<std::uint8_t, 6> lowLimit = {81, 0, 100, 0, 0, 0};  // d2 = PathTgt
    d.Rules().EvaluateStacker(lowLimit);
    EXPECT_FALSE(d.MechanismRow(2).Passes());
}

TEST(Stacker, Tm3AlsoJudgesSensors21And23) {
    Diagnostic d("TM3");
    const std::array<std::uint8_t, 6> good = {0, 0, 255, 1, 10, 41};
    d.Rules().EvaluateStacker(good);
    EXPECT_TRUE(d.Sensor(21).Passes());
    EXPECT_TRUE(d.Sensor(23).Passes());
    EXPECT_EQ(d.Sensor(23).PathMin, 10);
    EXPECT_EQ(d.Sensor(23).PaperMax, 41);
    const std::array<std::uint8_t, 6> bad = {0, 0, 255, 0, 10, 40};
    d.Rules().EvaluateStacker(bad);
    EXPECT_FALSE(d.Sensor(21).PathPass);
    EXPECT_FALSE(d.Sensor(23).PaperPass);

    Diagnostic rx8("RX8");
    rx8.Rules().EvaluateStacker(good);
    EXPECT_FALSE(rx8.Sensor(21).PathPass);
    EXPECT_EQ(rx8.Sensor(23).PathMin, 0);
}

TEST(Stacker, ShortPacketOrSmallUnitNeverLeavesTheTable) {
    Diagnostic tm5("TM5", 12);  // stacker sensor 20, sensors 21 and 23 absent
    const std::array<std::uint8_t, 3> shortPacket = {0, 0, 1};  // d3..d5 read as 0
    tm5.Rules().EvaluateStacker(shortPacket);
    EXPECT_TRUE(tm5.MechanismRow(2).Passes());  // limit 0 without sensor 20
    for (int i = 0; i < 12; ++i) EXPECT_FALSE(tm5.Sensor(i).PathPass) << i;

    Diagnostic rx3("RX3", 4);  // no stacker row at all
    const std::array<std::uint8_t, 6> packet = {0, 0, 255, 0, 0, 0};
    rx3.Rules().EvaluateStacker(packet);
    EXPECT_TRUE(rx3.Sensor(0).Passes());  // stacker sensor left at 0 by RX3's limits
    EXPECT_FALSE(rx3.MechanismRow(0).PathPass);
    EXPECT_FALSE(rx3.MechanismRow(1).PathPass);
}

TEST(OptoWheel, CountsMustLieStrictlyBetweenZeroAndTheLimit) {
    Diagnostic d("RX5");
    const std::array<std::uint8_t, 4> bounds = {0, 64, 0, 0};
    d.Rules().EvaluateOptoWheel(bounds);
    EXPECT_FALSE(d.MechanismRow(0).PathPass);
    EXPECT_FALSE(d.MechanismRow(1).PaperPass);
    const std::array<std::uint8_t, 4> inside = {1, 63, 0, 0};
    d.Rules().EvaluateOptoWheel(inside);
    EXPECT_TRUE(d.MechanismRow(0).Passes());
    EXPECT_TRUE(d.MechanismRow(1).Passes());

    Diagnostic tm6("TM6");
    const std::array<std::uint8_t, 4> fast = {119, 120, 0, 0};
    tm6.Rules().EvaluateOptoWheel(fast);
    EXPECT_TRUE(tm6.MechanismRow(0).Passes());
    EXPECT_FALSE(tm6.MechanismRow(1).Passes());
    EXPECT_FALSE(tm6.Sensor(22).PathPass);  // only TM3 and TM5 judge sensor 22 here
}

TEST(OptoWheel, Tm5JudgesSensor22) {
    Diagnostic d("TM5");
    const std::array<std::uint8_t, 4> rising = {10, 10, 50, 81};
    d.Rules().EvaluateOptoWheel(rising);
    EXPECT_TRUE(d.Sensor(22).Passes());
    const std::array<std::uint8_t, 4> flat = {10, 10, 50, 80};
    d.Rules().EvaluateOptoWheel(flat);
    EXPECT_FALSE(d.Sensor(22).PathPass);
    EXPECT_FALSE(d.Sensor(22).PaperPass);
}

TEST(Straightener, DetectLevelBetweenReadingsAndEnoughSignal) {
    Diagnostic d("TM6");
    d.unit.Detect[19] = 100;
    const std::array<std::uint8_t, 3> pass = {150, 99, 200};  // 150 = 0.75 x 200
    d.Rules().EvaluateStraightener(pass);
    EXPECT_TRUE(d.MechanismRow(3).Passes());
    EXPECT_TRUE(d.Sensor(19).Passes());

    const std::array<std::uint8_t, 3> fails[] = {
        {149, 99, 200}, {150, 100, 200}, {75, 0, 100}, {255, 99, 100}};
    for (const auto& packet : fails) {
        d.Rules().EvaluateStraightener(packet);
        EXPECT_FALSE(d.MechanismRow(3).PathPass) << int(packet[0]) << "," << int(packet[1]);
        EXPECT_FALSE(d.Sensor(19).PaperPass);
    }
}

TEST(Straightener, UnitWithoutSensor19Fails) {
    Diagnostic d("TM6", 10);
    const std::array<std::uint8_t, 3> packet = {200, 0, 200};
    d.Rules().EvaluateStraightener(packet);
    EXPECT_FALSE(d.MechanismRow(3).PathPass);
}

TEST(OverallVerdict, HealthyTm6PassesEveryRow) {
    Diagnostic d("TM6");
    d.unit.Type[0] = '_';
    d.unit.Type[22] = 'Z';  // the stacker sensor takes no part in the paper-less test
    d.unit.DetectThresh[1] = -20;
    d.unit.Detect[19] = 100;
    const std::array<std::uint8_t, 6> stacker = {190, 0, 200, 0, 0, 0};
    const std::array<std::uint8_t, 4> opto = {60, 60, 0, 0};
    const std::array<std::uint8_t, 3> straightener = {160, 50, 200};
    d.Rules().EvaluateStacker(stacker);
    d.Rules().EvaluateOptoWheel(opto);
    d.Rules().EvaluateStraightener(straightener);
    std::vector<std::uint8_t> readings = Readings(24, 100);
    d.Rules().EvaluatePathTest(readings);
    readings[1] = 80;
    d.Rules().EvaluatePaperTest(readings);
    // Sensor 0 ("_") is judged by no rule, so the unit cannot pass yet.
    EXPECT_FALSE(d.table.OverallVerdict());
    for (int i = 1; i < d.table.RowCount(); ++i) EXPECT_TRUE(d.table.Row(i)->Passes()) << i;
    d.table.SensorRow(0)->SetVerdict(true);
    EXPECT_TRUE(d.table.OverallVerdict());
}

}  // namespace
}  // namespace zav::diag
