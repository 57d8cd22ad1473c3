// The readings the simulated RAM utility derives from each profile, judged
// by the program's own test rules: a healthy unit passes every row, and
// each fault fails the rows it aims at and no others.
#include "diagnostic_readings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "diagnostic_judge.h"
#include "unit_layout.h"
#include "zav/sim/profile.h"

using namespace zav::sim;
using namespace zav::sim::test;

namespace {

using Rows = std::vector<int>;

std::vector<const Profile*> validators() {
    std::vector<const Profile*> profiles;
    for (const Profile* p : all_profiles()) {
        if (*p->unit_type != '\0') profiles.push_back(p);
    }
    return profiles;
}

// The whole run with these faults: the packets up to the green paper, then
// the paper readings.
Rows run(const Profile& profile, const RawFaultSet& faults) {
    std::vector<UtilityPacket> packets;
    auto sequence = tests_before_green_paper(profile);
    sequence.push_back(ResultPacket::GreenPaper);
    for (ResultPacket p : sequence)
        packets.push_back({result_code(p), result_data(profile, p, faults)});
    return failing_rows(profile, packets);
}

RawFaultSet sensor_fault(std::size_t sensor, SensorTest test) {
    RawFaultSet faults;
    (test == SensorTest::PaperLess ? faults.path_fails : faults.paper_fails).set(sensor);
    return faults;
}

RawFaultSet mechanism_fault(Mechanism mechanism) {
    RawFaultSet faults;
    faults.mechanisms.set(static_cast<std::size_t>(mechanism));
    return faults;
}

int mechanical_row(const Profile& p, int k) {
    return static_cast<int>(p.sensors.size()) + k;
}

}  // namespace

TEST(DiagnosticReadings, HealthyUnitOfEveryModelPassesEveryRule) {
    for (const Profile* p : validators()) {
        EXPECT_EQ(run(*p, {}), Rows{}) << p->name;
    }
}

TEST(DiagnosticReadings, SensorFaultFailsNoRowButItsOwn) {
    for (const Profile* p : validators()) {
        for (std::size_t i = 0; i < p->sensors.size(); ++i) {
            for (SensorTest test : {SensorTest::PaperLess, SensorTest::GreenPaper}) {
                const Rows failing = run(*p, sensor_fault(i, test));
                EXPECT_TRUE(failing.empty() || failing == Rows{static_cast<int>(i)})
                    << p->name << " sensor " << i << " test " << static_cast<int>(test);
            }
        }
    }
}

// Every kind of rule that judges a sensor: the paper-less window, the paper
// window, a threshold the reading must stay below, one it must reach (the
// paper-rise sensors), and the TM3's rise that decides both columns.
TEST(DiagnosticReadings, SensorFaultFailsTheSensorWhereARuleJudgesIt) {
    struct Case {
        const char* model;
        int sensor;
        SensorTest test;
    };
    const Case cases[] = {
        {"RX3", 0, SensorTest::PaperLess},   {"TM6", 25, SensorTest::PaperLess},
        {"TM4", 9, SensorTest::GreenPaper},  {"RX3", 2, SensorTest::GreenPaper},
        {"TM6", 17, SensorTest::GreenPaper}, {"RX5", 15, SensorTest::GreenPaper},
        {"RX8", 17, SensorTest::GreenPaper}, {"TM3", 18, SensorTest::GreenPaper},
        {"TM5", 18, SensorTest::GreenPaper}, {"TM5-TM3", 4, SensorTest::GreenPaper},
    };
    for (const Case& c : cases) {
        const Profile& p = *find_profile(c.model);
        EXPECT_EQ(run(p, sensor_fault(c.sensor, c.test)), Rows{c.sensor})
            << c.model << " sensor " << c.sensor;
    }
}

TEST(DiagnosticReadings, MechanismFaultFailsItsRowsOnly) {
    for (const Profile* p : validators()) {
        SCOPED_TRACE(p->name);
        EXPECT_EQ(run(*p, mechanism_fault(Mechanism::MotorForward)), Rows{mechanical_row(*p, 0)});
        EXPECT_EQ(run(*p, mechanism_fault(Mechanism::MotorReverse)), Rows{mechanical_row(*p, 1)});

        const auto stacker = stacker_sensor(*p);
        const Rows stacker_rows =
            unit_layout(*p).stacker
                ? Rows{static_cast<int>(stacker.value_or(0)), mechanical_row(*p, 2)}
                : Rows{};
        EXPECT_EQ(run(*p, mechanism_fault(Mechanism::Stacker)), stacker_rows);

        const Rows straightener_rows =
            unit_layout(*p).straightener ? Rows{19, mechanical_row(*p, 3)} : Rows{};
        EXPECT_EQ(run(*p, mechanism_fault(Mechanism::Straightener)), straightener_rows);
    }
}

TEST(DiagnosticReadings, LiveReadingWandersAFewCountsAroundTheTarget) {
    const Profile& p = *find_profile("TM6");
    std::set<int> seen;
    for (std::int64_t ms = 0; ms < 2000; ms += 100) {
        const int reading = live_reading(p, 3, ms);
        EXPECT_LE(std::abs(reading - p.sensors[3].path_target), 3) << ms;
        seen.insert(reading);
    }
    EXPECT_GE(seen.size(), 5u);
    EXPECT_EQ(live_reading(p, p.sensors.size(), 0), 0);
}
