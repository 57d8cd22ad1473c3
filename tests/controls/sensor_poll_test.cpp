// Sensor polling: the request byte of each model and position, one request
// and at most one reading a tick, and the display through Start and Stop.
#include "zav/controls/sensor_poll.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "core_test_support.h"
#include "fake_unit.h"
#include "zav/controls/controls_session.h"
#include "zav/test/wait_until.h"

namespace zav::controls {
namespace {

using namespace std::chrono_literals;
using test::unit;

constexpr auto kTick = 10ms;

void runFor(std::chrono::milliseconds time) {
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(SensorPollRequestTest, EachModelAndPositionGetsItsByte) {
    for (const char* model : {"TM4", "RX8", "TM6", "TM5", "TM3"}) {
        SCOPED_TRACE(model);
        EXPECT_EQ(SensorPollRequest(model, 1), 0xC0);
        EXPECT_EQ(SensorPollRequest(model, 2), 0xC1);
        EXPECT_EQ(SensorPollRequest(model, 17), 0xD0);
        EXPECT_EQ(SensorPollRequest(model, 64), 0xFF);
    }
    for (const char* model : {"RX5", "RX3"}) {
        SCOPED_TRACE(model);
        EXPECT_EQ(SensorPollRequest(model, 16), 0xCF);
        EXPECT_EQ(SensorPollRequest(model, 17), 0xB3);
        EXPECT_EQ(SensorPollRequest(model, 18), 0xD1);
    }
    EXPECT_EQ(SensorPollRequest("TM1", 1), std::nullopt);
    EXPECT_EQ(SensorPollRequest("", 1), std::nullopt);
    EXPECT_EQ(SensorPollRequest("tm6", 1), std::nullopt);
    EXPECT_EQ(SensorPollRequest("TM6", 0), std::nullopt) << "nothing selected";
    EXPECT_EQ(SensorPollRequest("TM6", 65), std::nullopt) << "would ask for sensor 1";
}

class SensorPollTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::test::ensureApplication();
        app::test::installEnglishTexts();
        unit = test::FakeUnit{};
        test::AnswerEntryAndGains();
        test::Install();
    }
    void TearDown() override {
        session.reset();
        test::Uninstall();
    }

    ControlsSession& prepare(const std::string& unitType, int sensors) {
        unit.unitType = unitType;
        unit.firmware = "XX0000 V0100 " + unitType;
        unit.sensors.assign(static_cast<std::size_t>(sensors), {"S", '_'});
        session = std::make_unique<ControlsSession>(std::int16_t{7}, kTick, frontEnd);
        session->start();
        return *session;
    }
    // Polls until `count` more bytes have been sent and returns them.
    test::Bytes pollUntil(std::size_t count) {
        const std::size_t before = unit.delivered.size();
        EXPECT_TRUE(zav::test::waitUntil([&] { return unit.delivered.size() >= before + count; }));
        return test::Bytes(unit.delivered.begin() + static_cast<long>(before),
                           unit.delivered.end());
    }

    app::test::RecordingFrontEnd frontEnd;
    std::unique_ptr<ControlsSession> session;
};

TEST_F(SensorPollTest, SeventeenthSensorOfAnRx5GetsB3EveryTickAndOfATm3D0) {
    for (const auto& [model, request] : {std::pair{"RX5", 0xB3}, std::pair{"TM3", 0xD0}}) {
        SCOPED_TRACE(model);
        prepare(model, 17);
        ASSERT_TRUE(session->selectSensor(17));
        ASSERT_TRUE(session->press(Control::StartPolling));
        const test::Bytes sent = pollUntil(5);
        EXPECT_GE(sent.size(), 5u);
        EXPECT_TRUE(std::all_of(sent.begin(), sent.end(), [&](auto b) { return b == request; }))
            << test::Hex(sent);
        session.reset();
    }
}

TEST_F(SensorPollTest, OtherUnitTypesSendNothingButShowWhatArrives) {
    unit.channelOpen = true;
    SensorPoll poll(kTick);
    poll.setTarget("TM1", 1);
    std::vector<int> readings;
    QObject::connect(&poll, &SensorPoll::reading, [&](std::uint8_t v) { readings.push_back(v); });
    test::Send({7, 9});
    poll.start();
    EXPECT_TRUE(zav::test::waitUntil([&] { return readings.size() >= 2; }));
    poll.stop();
    EXPECT_TRUE(unit.delivered.empty()) << test::Hex(unit.delivered);
    EXPECT_EQ(readings, (std::vector<int>{7, 9})) << "one byte a tick, all of them shown";
}

TEST_F(SensorPollTest, NewSelectionIsAskedForFromTheNextTick) {
    prepare("TM6", 4);
    ASSERT_TRUE(session->press(Control::StartPolling));
    EXPECT_EQ(frontEnd.events.back(), "status: Polling sensor...");
    const test::Bytes first = pollUntil(1);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.back(), 0xC0);
    ASSERT_TRUE(session->selectSensor(3));
    EXPECT_FALSE(session->selectSensor(5));
    const test::Bytes after = pollUntil(2);
    ASSERT_FALSE(after.empty());
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](auto b) { return b == 0xC2; }))
        << test::Hex(after);
}

TEST_F(SensorPollTest, ReadingsFillTheBarAndTheLabel) {
    prepare("TM6", 2);
    unit.answers[0xC0] = {{255}};
    ASSERT_TRUE(session->press(Control::StartPolling));
    EXPECT_TRUE(zav::test::waitUntil([&] { return session->panel().readingText == "255"; }));
    EXPECT_EQ(session->panel().readingValue, 255);
    unit.answers[0xC0] = {{0}};
    EXPECT_TRUE(zav::test::waitUntil([&] { return session->panel().readingText == "0"; }));
    EXPECT_EQ(session->panel().readingValue, 0);
}

TEST_F(SensorPollTest, StopResetsTheDisplayAndAQueuedByteWaitsForTheNextStart) {
    prepare("TM6", 2);
    unit.answers[0xC0] = {{100}};
    ASSERT_TRUE(session->press(Control::StartPolling));
    ASSERT_TRUE(zav::test::waitUntil([&] { return session->panel().readingText == "100"; }));
    ASSERT_TRUE(session->press(Control::StopPolling));
    test::Send({77});
    const ControlPanel& panel = session->panel();
    EXPECT_EQ(panel.readingValue, 0);
    EXPECT_EQ(panel.readingText, "");
    EXPECT_FALSE(panel.readingBarEnabled);
    EXPECT_TRUE(session->panel().usable(Control::StartPolling));
    EXPECT_FALSE(session->panel().usable(Control::StopPolling));
    EXPECT_EQ(frontEnd.events.back(), "status: Select a sensor and start reading.");
    // Three ticks of silence are the point here.
    runFor(3 * kTick);
    EXPECT_EQ(panel.readingText, "") << "nothing is read while stopped";

    QStringList shown;
    QObject watcher;  // ends the connection before `shown` goes
    QObject::connect(session.get(), &ControlsSession::changed, &watcher,
                     [&] { shown << session->panel().readingText; });
    ASSERT_TRUE(session->press(Control::StartPolling));
    EXPECT_TRUE(panel.readingBarEnabled) << "the bar moves again, so it shows enabled";
    EXPECT_TRUE(zav::test::waitUntil([&] { return shown.contains("100"); }));
    shown.removeAll(QString());
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.first(), "77");
    EXPECT_EQ(shown.last(), "100");
}

}  // namespace
}  // namespace zav::controls
