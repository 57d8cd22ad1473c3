// The controls session through the real link and serial libraries against
// the simulator: the whole preparation with the RAM utility download, the
// actuator commands the utility acknowledges, polling and closing.
#include <gtest/gtest.h>

#include <memory>

#include "core_test_support.h"
#include "zav/base/program_directory.h"
#include "zav/controls/controls_session.h"
#include "zav/sim/simulator.h"
#include "zav/test/wait_until.h"

namespace zav::controls {
namespace {

using namespace std::chrono_literals;

constexpr std::int16_t kPort = 115;
constexpr auto kTick = 20ms;

class ControlsSimTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { app::test::useBuiltProgram(); }
    void TearDown() override {
        session.reset();
        unit.reset();
    }

    // Starts a unit of `model` and prepares a session for it.
    void prepare(const std::string& model) {
        sim::Options options{model};
        options.test_step_ms = 30;
        unit = std::make_unique<sim::Simulator>(options);
        std::string why;
        ASSERT_TRUE(unit->start(&why)) << why;
        unit->export_port(kPort);
        session = std::make_unique<ControlsSession>(kPort, kTick, frontEnd);
        session->start();
        ASSERT_TRUE(frontEnd.messages().isEmpty()) << frontEnd.messages().join('\n').toStdString();
        ASSERT_TRUE(frontEnd.events.contains("status: Ram file download completed!"));
        ASSERT_EQ(frontEnd.events.back(), "status: Select a sensor and start reading.");
        ASSERT_EQ(unit->running_program(), sim::Program::RamUtility);
    }
    QString lastStatus() const { return frontEnd.events.back(); }

    app::test::RecordingFrontEnd frontEnd;
    std::unique_ptr<sim::Simulator> unit;
    std::unique_ptr<ControlsSession> session;
};

TEST_F(ControlsSimTest, Tm6IsPreparedDrivenPolledAndLeft) {
    prepare("TM6");
    EXPECT_EQ(unit->gain_packets_accepted(), 1u);
    for (Control control : {Control::StackerPark, Control::StraightenerPark, Control::BezelBlue}) {
        ASSERT_TRUE(session->panel().usable(control)) << static_cast<int>(control);
    }

    ASSERT_TRUE(session->press(Control::BezelBlue));
    EXPECT_EQ(lastStatus(), "status: Changing bezel color!");
    ASSERT_TRUE(session->press(Control::StackerPark));
    EXPECT_EQ(lastStatus(), "status: ") << "acknowledged after three test steps";
    ASSERT_TRUE(session->press(Control::StraightenerPark));
    EXPECT_EQ(lastStatus(), "status: ");
    ASSERT_TRUE(session->press(Control::MotorForward));

    ASSERT_TRUE(session->selectSensor(2));
    ASSERT_TRUE(session->press(Control::StartPolling));
    EXPECT_TRUE(zav::test::waitUntil([&] {
        return unit->raw_commands_received(0xC1) >= 5 && !session->panel().readingText.isEmpty();
    }));
    EXPECT_EQ(unit->raw_commands_received(0x91), 1u);

    session->requestClose();
    EXPECT_TRUE(zav::test::waitUntil([&] { return unit->raw_commands_received(0x82) > 0; }));
    EXPECT_EQ(unit->raw_commands_received(0x82), 1u);
    // The unit counts the command as it arrives and leaves the utility after.
    EXPECT_TRUE(zav::test::waitUntil(
        [&] { return unit->running_program() == sim::Program::LinkProtocol; }));
}

TEST_F(ControlsSimTest, Tm5RunningTm3FirmwareGetsTheTm3Utility) {
    prepare("TM5-TM3");
    EXPECT_EQ(session->validator().UnitType, "TM3");
    EXPECT_FALSE(session->panel().group(Group::BezelLed).visible);
}

TEST_F(ControlsSimTest, SeventeenthSensorOfAnRx5IsPolledWithB3) {
    prepare("RX5");
    ASSERT_TRUE(session->selectSensor(17));
    ASSERT_TRUE(session->press(Control::StartPolling));
    EXPECT_TRUE(zav::test::waitUntil([&] {
        return unit->raw_commands_received(0xB3) >= 5 && !session->panel().readingText.isEmpty();
    }));
    EXPECT_EQ(unit->raw_commands_received(0xD0), 0u);
}

}  // namespace
}  // namespace zav::controls
