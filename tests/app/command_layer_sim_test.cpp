// The command layer through the real link library against the simulator:
// what each model reports arrives in the records, and the failure paths
// reach the engineer with the right texts and port handling.
#include <gtest/gtest.h>

#include <string>

#include "core_test_support.h"
#include "zav/app/command_layer.h"
#include "zav/app/link_api.h"
#include "zav/base/program_directory.h"
#include "zav/sim/profile.h"
#include "zav/sim/simulator.h"

namespace zav::app {
namespace {

constexpr std::int16_t kPort = 110;
constexpr std::int16_t kPortWithoutDevice = 111;

// The real calls, with CloseComm counted.
LinkApi realLink{};
int closeCommCalls = 0;
std::int16_t countedCloseComm() {
    ++closeCommCalls;
    return realLink.CloseComm();
}

class CommandLayerSimTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        test::useBuiltProgram();
        realLink = LibraryLink();
        counted = realLink;
        counted.CloseComm = &countedCloseComm;
    }
    void SetUp() override {
        OverrideLinkApi(&counted);
        closeCommCalls = 0;
    }
    void TearDown() override {
        realLink.CloseComm();
        OverrideLinkApi(nullptr);
    }

    // Starts a simulated unit of `model` as COM<kPort>.
    std::unique_ptr<sim::Simulator> startUnit(const std::string& model) {
        auto unit = std::make_unique<sim::Simulator>(sim::Options{model});
        std::string why;
        EXPECT_TRUE(unit->start(&why)) << why;
        unit->export_port(kPort);
        return unit;
    }

    static LinkApi counted;
    test::RecordingFrontEnd frontEnd;
    LinkPacket command{};
    LinkPacket reply{};
    ValidatorData data;
};
LinkApi CommandLayerSimTest::counted{};

QString fixedWidth(const char* text, int width) {
    return QString::fromLatin1(text).leftJustified(width, u' ', true);
}

TEST_F(CommandLayerSimTest, EveryValidatorModelIsReadCompletely) {
    for (const sim::Profile* profile : sim::all_profiles()) {
        if (std::string(profile->unit_type).empty()) continue;
        SCOPED_TRACE(profile->name);
        auto unit = startUnit(profile->name);
        data = ValidatorData{};
        VersionData version;
        DatasetData dataset;
        ASSERT_EQ(ReadValidatorSensorData(kPort, command, reply, data), kReadOk);
        ASSERT_EQ(ReadMotorData(kPort, command, reply, data), kReadOk);
        ASSERT_EQ(ReadFullFirmware(kPort, command, reply, version), kReadOk);
        ASSERT_EQ(ReadDatasetCode(kPort, command, reply, dataset), kReadOk);
        EXPECT_TRUE(frontEnd.events.isEmpty()) << frontEnd.events.join('\n').toStdString();
        EXPECT_EQ(closeCommCalls, 2);

        EXPECT_EQ(data.UnitType, QString::fromLatin1(profile->unit_type));
        EXPECT_EQ(data.SerialNumber, static_cast<double>(profile->serial_number));
        EXPECT_EQ(version.FullFirmware, fixedWidth(profile->firmware, 16));
        EXPECT_EQ(dataset.DatasetCode, fixedWidth(profile->dataset, 8));
        ASSERT_EQ(data.SensorCount, static_cast<int>(profile->sensors.size()));
        for (int i = 0; i < data.SensorCount; ++i) {
            const sim::SensorProfile& s = profile->sensors[i];
            EXPECT_EQ(data.SensorName[i], QString::fromLatin1(s.name).trimmed()) << i;
            EXPECT_EQ(data.Type[i], static_cast<std::uint8_t>(s.type)) << i;
            EXPECT_EQ(data.PaperTgt[i], s.paper_target) << i;
            EXPECT_EQ(data.PathTgt[i], s.path_target) << i;
            EXPECT_EQ(data.Gain1[i], s.gain1) << i;
            EXPECT_EQ(data.Gain2[i], s.gain2) << i;
            EXPECT_EQ(data.DetectThresh[i], s.detect_threshold) << i;
            EXPECT_EQ(data.ClearThresh[i], s.clear_threshold) << i;
            EXPECT_EQ(data.PathAch[i], s.path_achieved) << i;
            EXPECT_EQ(data.PaperAch[i], s.paper_achieved) << i;
            EXPECT_EQ(data.PhaseDelay[i], s.phase_delay) << i;
        }
        ASSERT_EQ(data.MotorCount, static_cast<int>(profile->motors.size()));
        for (int i = 0; i < data.MotorCount; ++i) {
            EXPECT_EQ(data.MotorName[i], QString::fromLatin1(profile->motors[i].name).trimmed());
            EXPECT_EQ(data.MotorByteA[i], profile->motors[i].byte_a);
        }
        realLink.CloseComm();  // the dataset read leaves the port open
        closeCommCalls = 0;
    }
}

TEST_F(CommandLayerSimTest, UnitThatIsNotAValidatorIsNamedFromItsFirmware) {
    auto unit = startUnit("PQ1");
    const sim::Profile* profile = sim::find_profile("PQ1");
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(ReadValidatorSensorData(kPort, command, reply, data), kReadNoSensorData);
    EXPECT_EQ(data.UnitType, QStringLiteral("PQ1"));
    EXPECT_EQ(data.SensorCount, static_cast<int>(profile->sensors.size()));
    EXPECT_TRUE(data.SensorName.empty());
    EXPECT_EQ(unit->frames_received(sim::expansion(0x61)), 0u);
    EXPECT_EQ(closeCommCalls, 1);
    EXPECT_TRUE(frontEnd.events.isEmpty());
}

TEST_F(CommandLayerSimTest, ReplyF2ToASensorDescriptionFailsTheRead) {
    auto unit = startUnit("TM6");
    unit->set_fault(sim::expansion(0x61),
                    sim::Fault{.kind = sim::Fault::Kind::GenericCode, .code = 0xF2});
    EXPECT_EQ(ReadValidatorSensorData(kPort, command, reply, data), kReadFailed);
    EXPECT_EQ(
        frontEnd.events,
        QStringList{QStringLiteral("message Warning: Bad Reply to GET_SENSOR_INFO_DATA command")});
    EXPECT_EQ(closeCommCalls, 1);
    EXPECT_EQ(unit->frames_received(sim::expansion(0x61)), 1u) << "the layer never retries";
}

TEST_F(CommandLayerSimTest, SilentUnitGivesNoSyncResponse) {
    auto unit = startUnit("RX5");
    unit->set_fault(0x11, sim::Fault{.kind = sim::Fault::Kind::NoReply});
    const std::uint8_t oneSecondNoRetry[2] = {1, 0};
    realLink.SetRetryParameters(oneSecondNoRetry);
    VersionData version;
    EXPECT_EQ(ReadFullFirmware(kPort, command, reply, version), kReadFailed);
    EXPECT_EQ(frontEnd.events, QStringList{QStringLiteral("message Warning: No sync response!")});
    EXPECT_EQ(closeCommCalls, 1);
    EXPECT_TRUE(version.FullFirmware.isEmpty());
}

// The library reports its own failure to open (through the message handler)
// before the layer's text; CloseComm is not called.
TEST_F(CommandLayerSimTest, PortThatDoesNotOpenIsReportedAndNeverClosed) {
    EXPECT_EQ(ReadValidatorSensorData(kPortWithoutDevice, command, reply, data), kReadFailed);
    EXPECT_EQ(closeCommCalls, 0);
    EXPECT_EQ(frontEnd.events,
              (QStringList{QStringLiteral("message Warning: Unable To open this port [COM111]"),
                           QStringLiteral("message Critical: Error opening communication port!")}));
}

}  // namespace
}  // namespace zav::app
