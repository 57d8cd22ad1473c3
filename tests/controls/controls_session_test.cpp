// The controls session against stand-ins for both libraries: preparation,
// the frames each unit gets, every kind of actuator command with its bytes,
// acknowledge limits and button states, and closing however preparation
// ended.
#include "zav/controls/controls_session.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "core_test_support.h"
#include "fake_unit.h"
#include "zav/app/port_access_text.h"
#include "zav/test/wait_until.h"

namespace zav::controls {
namespace {

using namespace std::chrono_literals;
using test::unit;

constexpr std::int16_t kPort = 7;
constexpr auto kTick = 10ms;

class ControlsSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::test::ensureApplication();
        app::test::installEnglishTexts();
        unit = test::FakeUnit{};
        unit.sensors = {{"Left", 'Z'}, {"Right", 'R'}, {"Middle", '_'}};
        test::AnswerEntryAndGains();
        test::Install();
    }
    void TearDown() override {
        session.reset();
        test::Uninstall();
    }

    ControlsSession& prepare(std::chrono::milliseconds tick = kTick) {
        session = std::make_unique<ControlsSession>(kPort, tick, frontEnd);
        session->start();
        return *session;
    }
    QStringList statuses() const {
        QStringList lines;
        for (const QString& event : frontEnd.events) {
            if (event.startsWith(QStringLiteral("status: "))) lines << event.mid(8);
        }
        return lines;
    }
    QString lastStatus() const { return statuses().value(statuses().size() - 1); }
    bool usable(Control control) const { return session->panel().usable(control); }
    bool enabled(Control control) const { return session->panel().control(control).enabled; }

    app::test::RecordingFrontEnd frontEnd;
    std::unique_ptr<ControlsSession> session;
};

TEST_F(ControlsSessionTest, PreparationLoadsEntersAndLeavesTheChannelOpen) {
    prepare();
    EXPECT_TRUE(frontEnd.messages().isEmpty()) << frontEnd.messages().join('\n').toStdString();
    EXPECT_EQ(statuses(), QStringList({"Getting sensor data from device...", "Data fetched!",
                                       "Ram file download completed!", "Download sensor gains!",
                                       "Select a sensor and start reading."}));
    EXPECT_EQ(test::CallsStartingWith("DownloadRamFile"),
              std::vector<std::string>{"DownloadRamFile TM6_ram_ut.rx1"});
    // 0x86, then the gain block: 7F, 12 data bytes, code 00, gains 30+i, 40+i.
    const test::Bytes expected{0x86, 0x7F, 12, 0, 30, 40, 0, 0, 31, 41, 0, 0, 32, 42, 0, 0, 0x0A};
    EXPECT_EQ(test::Hex(unit.delivered), test::Hex(expected));
    EXPECT_EQ(unit.calls.back(), "OpenPortAdvanced");
    EXPECT_TRUE(unit.channelOpen);

    const ControlPanel& panel = session->panel();
    for (Control control : {Control::Ok, Control::Cancel, Control::StartPolling,
                            Control::MotorForward, Control::MotorReverse}) {
        EXPECT_TRUE(usable(control)) << static_cast<int>(control);
    }
    EXPECT_FALSE(usable(Control::MotorStop));
    EXPECT_FALSE(usable(Control::StopPolling));
    EXPECT_TRUE(panel.readingBarEnabled);
    EXPECT_EQ(panel.sensors, QStringList({"Left", "Right", "Middle"}));
    EXPECT_EQ(panel.selectedSensor, 1);
}

TEST_F(ControlsSessionTest, FramesFollowTheSensorTypesAndOnlyTheTm6HasTheBezel) {
    struct Case {
        std::string unitType;
        std::vector<test::FakeSensor> sensors;
        bool stacker, straightener, bezel;
    };
    const Case cases[] = {
        {"TM6", {{"A", 'Z'}, {"B", 'R'}}, true, true, true},
        {"RX5", {{"A", '('}, {"B", '_'}}, true, false, false},
        {"TM4", {{"A", 'R'}, {"B", 'X'}}, false, true, false},
        {"TM6", {{"A", '_'}}, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unitType + " with " + std::to_string(c.sensors.size()) + " sensors");
        unit.unitType = c.unitType;
        unit.firmware = "XX0000 V0100 " + c.unitType;
        unit.sensors = c.sensors;
        prepare();
        const ControlPanel& panel = session->panel();
        EXPECT_EQ(panel.group(Group::Stacker).visible, c.stacker);
        EXPECT_EQ(usable(Control::StackerOn) && usable(Control::StackerPark), c.stacker);
        EXPECT_EQ(panel.control(Control::StackerOff).visible, c.stacker);
        EXPECT_FALSE(usable(Control::StackerOff));
        EXPECT_EQ(panel.group(Group::Straightener).visible, c.straightener);
        EXPECT_EQ(usable(Control::StraightenerOn) && usable(Control::StraightenerPark),
                  c.straightener);
        EXPECT_FALSE(usable(Control::StraightenerOff));
        EXPECT_EQ(panel.group(Group::BezelLed).visible, c.bezel);
        for (Control bezel :
             {Control::BezelRed, Control::BezelGreen, Control::BezelBlue, Control::BezelWhite}) {
            EXPECT_EQ(usable(bezel), c.bezel);
        }
        EXPECT_TRUE(panel.group(Group::Motor).visible);
        session.reset();
    }
}

TEST_F(ControlsSessionTest, UnitWithoutSensorDataStaysDisabledAndClosingStillLeaves) {
    unit.unitType = "";
    unit.firmware = "PQ0001 V0100 PQ1";
    prepare();
    EXPECT_EQ(
        frontEnd.messages(),
        QStringList({"message Warning: No sensor data for diagnostics found in this device."}));
    // The status line says so too, instead of "Getting sensor data" for ever.
    EXPECT_EQ(lastStatus(), "No sensor data for diagnostics found in this device.");
    EXPECT_TRUE(test::CallsStartingWith("DownloadRamFile").empty());
    for (int i = 0; i < kControlCount; ++i) {
        EXPECT_FALSE(usable(static_cast<Control>(i))) << i;
        EXPECT_FALSE(session->press(static_cast<Control>(i))) << i;
    }
    const std::size_t before = unit.calls.size();
    session->requestClose();
    EXPECT_EQ(
        std::vector<std::string>(unit.calls.begin() + static_cast<long>(before), unit.calls.end()),
        (std::vector<std::string>{"send 82", "ClosePort"}));
    EXPECT_TRUE(session->isClosed());
}

TEST_F(ControlsSessionTest, Tm5WithTm3FirmwareIsHandledAsTm3) {
    struct Case {
        std::string firmware;
        const char* file;
        std::string unitType;
    };
    const Case cases[] = {
        {"TM0005 V0301 TM3", "DownloadRamFile TM3_ram_ut.rx1", "TM3"},
        {"TM0005 V0301 TM5", "DownloadRamFile TM5_ram_ut.rx1", "TM5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firmware);
        unit = test::FakeUnit{};
        test::AnswerEntryAndGains();
        unit.unitType = "TM5";
        unit.firmware = c.firmware;
        unit.sensors.assign(17, {"S", '_'});
        prepare();
        EXPECT_EQ(test::CallsStartingWith("DownloadRamFile"), std::vector<std::string>{c.file});
        EXPECT_EQ(session->validator().UnitType.toStdString(), c.unitType);
        session.reset();
    }
}

TEST_F(ControlsSessionTest, UnreadableFirmwareLeavesATm5ATm5) {
    unit.unitType = "TM5";
    unit.replies[{0x30, 0x05, 0x44}] = {{0xF2}};
    prepare();
    EXPECT_TRUE(frontEnd.messages().contains("message Warning: Error getting firmware version"));
    EXPECT_EQ(test::CallsStartingWith("DownloadRamFile"),
              std::vector<std::string>{"DownloadRamFile TM5_ram_ut.rx1"});
}

TEST_F(ControlsSessionTest, DownloadWaitEndsAtCompletionOrSilentlyAfter150Ticks) {
    unit.downloadTakes = 300ms;
    QElapsedTimer timer;
    timer.start();
    prepare();
    EXPECT_LT(timer.elapsed(), 1200) << "the wait must end when the download completes";
    EXPECT_TRUE(statuses().contains("Ram file download completed!"));
    session.reset();

    frontEnd.events.clear();
    unit.downloadTakes = -1ms;
    timer.start();
    prepare();
    EXPECT_GE(timer.elapsed(), kDownloadWaitTicks * kTick.count());
    EXPECT_TRUE(frontEnd.messages().isEmpty());
    EXPECT_FALSE(statuses().contains("Ram file download completed!"));
    EXPECT_EQ(lastStatus(), "Select a sensor and start reading.");
}

// A port that cannot be opened would fail every step with a message of its
// own: one message says why and where to choose another, nothing is sent,
// every control stays disabled and closing still leaves.
TEST_F(ControlsSessionTest, APortThatCannotOpenIsOneMessageWithItsReason) {
    unit.portProblem = QStringLiteral("COM7 (/dev/ttyS6): no such device");
    app::setPortAdvice(QStringLiteral("Choose the validator's port in Options > Serial Port."));
    prepare();
    app::setPortAdvice({});
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Critical: Error opening communication port!\n"
                           "COM7 (/dev/ttyS6): no such device\n"
                           "Choose the validator's port in Options > Serial Port."}));
    EXPECT_EQ(lastStatus(), "Error opening communication port!");
    EXPECT_TRUE(test::CallsStartingWith("Command").empty());
    EXPECT_TRUE(test::CallsStartingWith("DownloadRamFile").empty());
    for (int i = 0; i < kControlCount; ++i) EXPECT_FALSE(usable(static_cast<Control>(i))) << i;
    session->requestClose();
    EXPECT_TRUE(session->isClosed());
    EXPECT_EQ(frontEnd.messages().size(), 1);
}

TEST_F(ControlsSessionTest, ChannelAndEntryFailuresShowOnTheStatusLine) {
    unit.channelOpenStatus = 4;
    prepare();
    EXPECT_EQ(lastStatus(), "INVALID PORT");
    EXPECT_FALSE(usable(Control::Ok));
    EXPECT_TRUE(test::CallsStartingWith("send").empty());
    session.reset();

    unit.channelOpenStatus = 0;
    unit.answers.erase(0x7F);
    prepare();
    EXPECT_EQ(lastStatus(), "Download error!");
    EXPECT_TRUE(usable(Control::MotorForward));
    session.reset();

    unit.answers.clear();
    prepare();
    EXPECT_EQ(lastStatus(), "Not answering command!");
    EXPECT_TRUE(usable(Control::StartPolling));
    EXPECT_EQ(unit.delivered.back(), 0x86) << "no gains without entry";
}

TEST_F(ControlsSessionTest, UnacknowledgedCommandsSendTheirByteAndSetTheirGroup) {
    prepare();
    struct Step {
        Control control;
        std::uint8_t byte;
        const char* status;
        std::vector<Control> enabledAfter, disabledAfter;
    };
    const Step steps[] = {
        {Control::MotorForward,
         0x91,
         "Testing motor...",
         {Control::MotorStop},
         {Control::MotorForward, Control::MotorReverse}},
        {Control::MotorStop,
         0x90,
         "",
         {Control::MotorForward, Control::MotorReverse},
         {Control::MotorStop}},
        {Control::MotorReverse,
         0x92,
         "Testing motor...",
         {Control::MotorStop},
         {Control::MotorForward, Control::MotorReverse}},
        {Control::StackerOn,
         0x94,
         "Testing stacker...",
         {Control::StackerOff},
         {Control::StackerOn, Control::StackerPark}},
        {Control::StackerOff,
         0x93,
         "",
         {Control::StackerOn, Control::StackerPark},
         {Control::StackerOff}},
        {Control::StraightenerOn,
         0x97,
         "Testing straightener…",
         {Control::StraightenerOff},
         {Control::StraightenerOn, Control::StraightenerPark}},
        {Control::StraightenerOff,
         0x96,
         "",
         {Control::StraightenerOn, Control::StraightenerPark},
         {Control::StraightenerOff}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(static_cast<int>(step.control));
        ASSERT_TRUE(session->press(step.control));
        EXPECT_EQ(unit.delivered.back(), step.byte);
        EXPECT_EQ(lastStatus(), step.status);
        for (Control c : step.enabledAfter) EXPECT_TRUE(enabled(c)) << static_cast<int>(c);
        for (Control c : step.disabledAfter) EXPECT_FALSE(enabled(c)) << static_cast<int>(c);
        const std::size_t sent = unit.delivered.size();
        EXPECT_FALSE(session->press(step.control)) << "a disabled button does nothing";
        EXPECT_EQ(unit.delivered.size(), sent);
    }
}

TEST_F(ControlsSessionTest, BezelCommandSkipsOtherBytesUntilTheAcknowledge) {
    prepare();
    unit.answers[0x9C] = {{0x55, 0x80}, 30ms};
    ASSERT_TRUE(session->press(Control::BezelRed));
    EXPECT_EQ(lastStatus(), "Changing bezel color!");
    EXPECT_FALSE(enabled(Control::BezelRed));
    EXPECT_TRUE(enabled(Control::BezelGreen) && enabled(Control::BezelBlue) &&
                enabled(Control::BezelWhite));

    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(session->press(Control::BezelGreen));  // never answered
    EXPECT_GE(timer.elapsed(), 10 * kTick.count());
    EXPECT_EQ(lastStatus(), "Connection lost!");
    EXPECT_FALSE(enabled(Control::BezelGreen));
    EXPECT_TRUE(enabled(Control::BezelRed));
}

TEST_F(ControlsSessionTest, ParkWaitsItsOwnLimitWithOnAndParkDisabled) {
    prepare();
    // 5 s and 2 s of the program's ticks, against limits of 8 s and 1 s.
    unit.answers[0x9A] = {{0x80}, 50 * kTick};
    unit.answers[0x9B] = {{0x80}, 20 * kTick};
    bool busyWhileWaiting = false;
    QTimer::singleShot(5 * kTick, [&] {
        busyWhileWaiting = !enabled(Control::StackerOn) && !enabled(Control::StackerPark);
    });
    ASSERT_TRUE(session->press(Control::StackerPark));
    EXPECT_TRUE(busyWhileWaiting);
    EXPECT_EQ(statuses().mid(statuses().size() - 2), QStringList({"Parking staker…", ""}));
    EXPECT_TRUE(enabled(Control::StackerOn) && enabled(Control::StackerPark));
    EXPECT_FALSE(enabled(Control::StackerOff));

    ASSERT_TRUE(session->press(Control::StraightenerPark));
    EXPECT_EQ(statuses().mid(statuses().size() - 2),
              QStringList({"Parking straightener…", "Connection lost!"}));
    EXPECT_TRUE(enabled(Control::StraightenerOn) && enabled(Control::StraightenerPark));
}

TEST_F(ControlsSessionTest, CommandsPausePollingAndOnlyPlainCommandsRunDuringAWait) {
    prepare();
    unit.answers[0xC0] = {{0x42}};
    unit.answers[0x9A] = {{0x80}, 15 * kTick};
    ASSERT_TRUE(session->press(Control::StartPolling));
    ASSERT_TRUE(zav::test::waitUntil([&] { return session->panel().readingText == "66"; }));
    std::uint8_t lastSentDuringWait = 0;
    bool bezelTaken = true, startTaken = true, motorTaken = false;
    bool bezelShownEnabled = true;
    QTimer::singleShot(5 * kTick, [&] {
        lastSentDuringWait = unit.delivered.back();
        bezelShownEnabled = session->panel().control(Control::BezelRed).enabled;
        bezelTaken = session->press(Control::BezelRed);
        startTaken = session->press(Control::StartPolling);
        motorTaken = session->press(Control::MotorForward);
    });
    ASSERT_TRUE(session->press(Control::StackerPark));
    EXPECT_EQ(lastSentDuringWait, 0x9A) << "no poll request while the command waits";
    EXPECT_FALSE(bezelTaken) << "a second wait would freeze the first";
    EXPECT_FALSE(bezelShownEnabled) << "a button that cannot run shows disabled";
    EXPECT_TRUE(session->panel().control(Control::BezelRed).enabled) << "and again after the wait";
    EXPECT_FALSE(startTaken);
    EXPECT_TRUE(motorTaken);
    EXPECT_EQ(unit.delivered.back(), 0x91);
    EXPECT_EQ(lastStatus(), "") << "the park was acknowledged";

    const std::size_t sent = unit.delivered.size();
    EXPECT_TRUE(zav::test::waitUntil([&] { return unit.delivered.size() > sent; }))
        << "polling resumes after the command";
    EXPECT_EQ(unit.delivered.back(), 0xC0);
    EXPECT_EQ(session->panel().readingText, "66");
}

TEST_F(ControlsSessionTest, ClosingDuringAWaitEndsItAtOnce) {
    prepare();
    QTimer::singleShot(5 * kTick, [&] { session->requestClose(); });
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(session->press(Control::StackerPark));  // never answered: 80 ticks
    EXPECT_LT(timer.elapsed(), 40 * kTick.count());
    EXPECT_TRUE(session->isClosed());
    EXPECT_EQ(unit.calls.back(), "ClosePort");
    EXPECT_EQ(unit.calls[unit.calls.size() - 2], "send 82");
    EXPECT_NE(lastStatus(), "Connection lost!");
}

// The window deletes its session inside the park wait (run under ASan): the
// wait ends, the unload still runs, once.
TEST_F(ControlsSessionTest, DeletingTheSessionDuringAWaitIsSafeAndStillLeaves) {
    prepare();
    ControlsSession* pressed = session.get();
    QTimer::singleShot(5 * kTick, [&] { session.reset(); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(pressed->press(Control::StackerPark));
    EXPECT_LT(timer.elapsed(), 40 * kTick.count());
    EXPECT_EQ(session, nullptr);
    EXPECT_EQ(std::count(unit.calls.begin(), unit.calls.end(), "send 82"), 1);
    EXPECT_EQ(unit.calls.back(), "ClosePort");
}

}  // namespace
}  // namespace zav::controls
