// The profile tables against what hosts and the diagnostic rules rely on:
// fixed sensor indices per model, special type characters, field widths and
// value ranges. A profile that breaks one of these would make later tests
// of the diagnostics fail for the wrong reason.
#include "zav/sim/profile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "zav/sim/fault_text.h"
#include "zav/sim/simulator.h"

using namespace zav::sim;

namespace {

bool is_stacker_type(char type) {
    return type == 'Z' || type == '(';
}

}  // namespace

TEST(Profiles, EveryModelIsKnownByName) {
    const std::vector<std::string> expected = {"RX3", "RX5", "RX8",     "TM3", "TM4",
                                               "TM5", "TM6", "TM5-TM3", "PQ1"};
    const auto names = profile_names();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              std::set<std::string>(expected.begin(), expected.end()));
    EXPECT_EQ(find_profile("TM7"), nullptr);
    EXPECT_EQ(find_profile("tm6"), nullptr);
}

TEST(Profiles, FieldsFitTheirReplies) {
    for (const Profile* p : all_profiles()) {
        SCOPED_TRACE(p->name);
        EXPECT_EQ(std::strlen(p->firmware), 16u);
        EXPECT_EQ(std::strlen(p->dataset), 8u);
        EXPECT_LE(std::strlen(p->unit_type), 10u);
        EXPECT_LE(p->optical_sensor_count, p->sensors.size());
        EXPECT_LE(p->sensors.size(), 63u);  // the most a gain block can carry
        EXPECT_FALSE(p->motors.empty());
        for (const SensorProfile& s : p->sensors) {
            EXPECT_GT(std::strlen(s.name), 0u);
            EXPECT_LE(std::strlen(s.name), 20u) << s.name;
            EXPECT_LE(s.phase_delay, 512) << s.name;
            EXPECT_GT(s.gain1, 0) << s.name;
            EXPECT_GT(s.gain2, 0) << s.name;
        }
        for (const MotorProfile& m : p->motors) EXPECT_LE(std::strlen(m.name), 20u);
    }
}

TEST(Profiles, ValidatorsCarryTheirUnitTypeAndFirmwareCode) {
    for (const char* name : {"RX3", "RX5", "RX8", "TM3", "TM4", "TM5", "TM6"}) {
        const Profile* p = find_profile(name);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_STREQ(p->unit_type, name);
        const std::string firmware = p->firmware;
        EXPECT_EQ(firmware.substr(0, 2) + firmware[5], std::string(name));
        EXPECT_EQ(firmware.substr(13), name);  // TM5 stays a TM5 on the host
    }
    const Profile* tm5_tm3 = find_profile("TM5-TM3");
    ASSERT_NE(tm5_tm3, nullptr);
    EXPECT_STREQ(tm5_tm3->unit_type, "TM5");
    EXPECT_EQ(std::string(tm5_tm3->firmware).substr(13), "TM3");

    const Profile* pq1 = find_profile("PQ1");
    ASSERT_NE(pq1, nullptr);
    EXPECT_STREQ(pq1->unit_type, "");
    EXPECT_EQ(std::string(pq1->firmware).substr(0, 6), "PQ0001");
}

// The diagnostic rules address these sensors by index on each model.
TEST(Profiles, SensorsTheDiagnosticRulesAddressExist) {
    struct Rule {
        const char* model;
        std::size_t highest_index;
        int stacker;  // -1: none
        int straightener;
        std::vector<int> no_paper_tests;  // type "_" expected
    };
    const Rule rules[] = {
        {"RX3", 16, -1, -1, {}},
        {"RX5", 16, 16, -1, {}},
        {"RX8", 19, 19, -1, {}},
        {"TM4", 13, -1, -1, {}},
        {"TM3", 23, 20, -1, {21, 22, 23}},
        {"TM5", 23, 20, -1, {21, 22, 23}},
        {"TM5-TM3", 23, 20, -1, {21, 22, 23}},
        {"TM6", 23, 22, 19, {}},
    };
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.model);
        const Profile* found = find_profile(rule.model);
        ASSERT_NE(found, nullptr);
        const Profile& p = *found;
        ASSERT_GT(p.sensors.size(), rule.highest_index);
        std::size_t stackers = 0;
        for (const SensorProfile& s : p.sensors) stackers += is_stacker_type(s.type);
        EXPECT_EQ(stackers, rule.stacker < 0 ? 0u : 1u);
        if (rule.stacker >= 0) {
            EXPECT_TRUE(is_stacker_type(p.sensors[rule.stacker].type));
        }
        if (rule.straightener >= 0) {
            EXPECT_EQ(p.sensors[rule.straightener].type, 'R');
        }
        for (int i : rule.no_paper_tests) EXPECT_EQ(p.sensors[i].type, '_') << i;
    }
    // The TM6 stacker limit is its path target; other models add a negative
    // detect threshold that must leave it above 0.
    const Profile* tm6 = find_profile("TM6");
    ASSERT_NE(tm6, nullptr);
    EXPECT_GT(tm6->sensors[22].detect_threshold, 0);
    for (const char* model : {"RX5", "RX8", "TM3", "TM5"}) {
        const Profile* p = find_profile(model);
        ASSERT_NE(p, nullptr) << model;
        for (const SensorProfile& s : p->sensors) {
            if (is_stacker_type(s.type)) {
                EXPECT_LT(s.detect_threshold, 0) << model;
                EXPECT_GT(s.path_target + s.detect_threshold, 0) << model;
            }
        }
    }
}
