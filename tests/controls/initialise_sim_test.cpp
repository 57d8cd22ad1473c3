// The initialise session through the real link and serial libraries against
// the simulator: a whole run with a sensor that fails its calibration, the
// unit's refusals, and closing in the middle of a run.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "core_test_support.h"
#include "zav/app/link_api.h"
#include "zav/base/program_directory.h"
#include "zav/controls/initialise_session.h"
#include "zav/sim/profile.h"
#include "zav/sim/simulator.h"

namespace zav::controls {
namespace {

using namespace std::chrono_literals;

constexpr std::int16_t kPort = 113;
constexpr std::uint8_t kInitialise = 0x0F;
constexpr std::uint8_t kStatus = 0x76;

class InitialiseSimTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { app::test::useBuiltProgram(); }
    void TearDown() override {
        session.reset();
        unit.reset();
    }

    void startUnit(const std::string& model, sim::InitialisationOptions initialisation) {
        sim::Options options{model};
        options.initialisation = std::move(initialisation);
        unit = std::make_unique<sim::Simulator>(options);
        std::string why;
        ASSERT_TRUE(unit->start(&why)) << why;
        unit->export_port(kPort);
        session = std::make_unique<InitialiseSession>(kPort, 10ms, frontEnd);
    }

    app::test::RecordingFrontEnd frontEnd;
    std::unique_ptr<sim::Simulator> unit;
    std::unique_ptr<InitialiseSession> session;
};

TEST_F(InitialiseSimTest, RunEndsWithEverySensorsFinalStateAndTheUnitLeftAlone) {
    startUnit("TM6", {std::nullopt, {1}, 20});
    session->start();
    ASSERT_TRUE(session->completed());
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Information: Initialisation process complete"}));
    EXPECT_EQ(session->caption(), "Validator: TM6");

    const sim::Profile& profile = *sim::find_profile("TM6");
    const auto& rows = session->rows();
    ASSERT_EQ(rows.size(), profile.sensors.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(k);
        const sim::SensorProfile& sensor = profile.sensors[k];
        EXPECT_EQ(rows[k].sensor, QString::fromLatin1(sensor.name).trimmed());
        if (k == 1) {
            EXPECT_EQ(rows[k].status, "FAILED");
            EXPECT_EQ(rows[k].gain1, QString::number(sensor.first_gain1));
        } else {
            EXPECT_EQ(rows[k].status, "Calibration complete");
            EXPECT_EQ(rows[k].gain1, QString::number(sensor.gain1));
            EXPECT_EQ(rows[k].gain2, QString::number(sensor.gain2));
        }
    }
    EXPECT_EQ(unit->frames_received(sim::expansion(kInitialise)), 1u);
    EXPECT_GE(unit->frames_received(sim::expansion(kStatus)), 3u) << "it moved over a few passes";

    session->requestClose();
    EXPECT_EQ(frontEnd.messages().size(), 1) << "the channel opened for the leave command";
}

TEST_F(InitialiseSimTest, RefusalsOfTheUnitEndTheRunWithTheirMessages) {
    struct Case {
        const char* name;
        std::optional<std::uint8_t> capability;
        sim::CommandKey key;
        std::uint8_t code;
        QString message;
    };
    const Case cases[] = {
        {"no EEPROM data", std::nullopt, sim::expansion(kInitialise), 0xF5,
         "message Critical: Can not initialise. No EEPROM data"},
        {"no data function", std::nullopt, sim::expansion(kStatus), 0xF2,
         "message Warning: This RX Firmware does not support data function. Please update to "
         "latest version"},
        {"capability without bit 3", 0xF7, sim::kAnyCommand, 0,
         "message Warning: This validator version does not support initialisation data "
         "function"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frontEnd.events.clear();
        startUnit("RX5", {c.capability, {}, 5});
        if (c.code) unit->set_fault(c.key, {sim::Fault::Kind::GenericCode, 0, c.code});
        session->start();
        EXPECT_FALSE(session->completed());
        EXPECT_EQ(frontEnd.messages(), QStringList({c.message}));
        if (c.capability) {
            EXPECT_EQ(unit->frames_received(), 2u) << "SYNC and capability only";
        }
        session.reset();
    }
}

TEST_F(InitialiseSimTest, ClosingDuringARunLeavesTheLinkSilent) {
    startUnit("TM6", {std::nullopt, {}, 1000});
    QTimer::singleShot(150ms, [&] { session->requestClose(); });
    session->start();
    EXPECT_FALSE(session->completed());
    const std::size_t frames = unit->frames_received();
    // Silence is the point: nothing reaches the unit after the close.
    QEventLoop loop;
    QTimer::singleShot(200ms, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(unit->frames_received(), frames);
    EXPECT_TRUE(frontEnd.messages().isEmpty()) << frontEnd.messages().join('\n').toStdString();
}

}  // namespace
}  // namespace zav::controls
