// The initialise-and-status session against stand-ins for both libraries:
// the requests of a run in order, the status loop and its end, every
// failure with its message, icon and port rule, the status rows, and
// closing during a run.
#include "zav/controls/initialise_session.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <memory>

#include "core_test_support.h"
#include "fake_unit.h"
#include "zav/app/port_access_text.h"

namespace zav::controls {
namespace {

using namespace std::chrono_literals;
using test::Bytes;
using test::unit;

constexpr auto kTick = 5ms;
const Bytes kSync{0x11};
const Bytes kCapability{0x30, 0x05, 0x74};
const Bytes kInitialise{0x30, 0x05, 0x0F};
const Bytes kDataCollect{0x30, 0x05, 0x64, 0x04};
const Bytes kStatus{0x30, 0x05, 0x76};
const Bytes kPoll{0x07};

std::string command(const Bytes& request) {
    return "Command " + test::Hex(request);
}

// The link calls from the first one for `request` on.
std::vector<std::string> callsFrom(const Bytes& request) {
    const auto first = std::find(unit.calls.begin(), unit.calls.end(), command(request));
    return {first, unit.calls.end()};
}

long countOf(const std::string& call) {
    return std::count(unit.calls.begin(), unit.calls.end(), call);
}

class InitialiseSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::test::ensureApplication();
        app::test::installEnglishTexts();
        unit = test::FakeUnit{};
        unit.sensors = {{"Left"}, {"Middle"}, {"Right"}};
        test::Install();
        session = std::make_unique<InitialiseSession>(std::int16_t{7}, kTick, frontEnd);
    }
    void TearDown() override {
        session.reset();
        test::Uninstall();
    }

    app::test::RecordingFrontEnd frontEnd;
    std::unique_ptr<InitialiseSession> session;
};

TEST_F(InitialiseSessionTest, RunFollowsTheStatusUntilTheEndEventThenReadsItOnceMore) {
    unit.replies[kStatus] = {{0xF0, 1, 10, 20, 1, 11, 21, 3, 12, 22},
                             {0xF0, 4, 30, 40, 5, 31, 41, 9, 0, 0}};
    unit.replies[kPoll] = {{0xF0, 0xE8}, {0xF0, 0x00, 0xD0}};
    EXPECT_EQ(session->caption(), "Initialise and Status");

    session->start();
    ASSERT_TRUE(session->completed());
    EXPECT_EQ(frontEnd.events, QStringList({"pointer: Hourglass",
                                            "message Information: Initialisation process complete",
                                            "pointer: Arrow"}));
    EXPECT_EQ(callsFrom(kCapability)[1], "CloseComm")
        << "identification follows in its own conversations";
    const std::vector<std::string> run{"OpenPort",
                                       "SetRetryParameters 1 1",
                                       command(kSync),
                                       command(kInitialise),
                                       command(kDataCollect),
                                       command(kStatus),
                                       command(kPoll),
                                       command(kStatus),
                                       command(kPoll),
                                       command(kStatus),
                                       "CloseComm"};
    const auto start = std::search(unit.calls.begin(), unit.calls.end(), run.begin(), run.end());
    EXPECT_TRUE(start != unit.calls.end() &&
                start + static_cast<long>(run.size()) == unit.calls.end());
    EXPECT_EQ(session->caption(), "Validator: TM6");
    EXPECT_TRUE(session->startEnabled());

    const auto& rows = session->rows();
    ASSERT_EQ(rows.size(), 3u);
    const struct {
        const char *sensor, *status;
        std::optional<Rgb> colour;
        const char *gain1, *gain2;
    } expected[] = {
        {"Left", "Calibration complete", Rgb{0, 192, 0}, "30", "40"},
        {"Middle", "FAILED", Rgb{255, 0, 0}, "31", "41"},
        {"Right", "Initialise status not found", std::nullopt, "0", "0"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].sensor, expected[i].sensor);
        EXPECT_EQ(rows[i].status, expected[i].status);
        EXPECT_EQ(rows[i].colour, expected[i].colour);
        EXPECT_EQ(rows[i].gain1, expected[i].gain1);
        EXPECT_EQ(rows[i].gain2, expected[i].gain2);
    }
}

TEST_F(InitialiseSessionTest, CapabilityBit3DecidesWhetherTheRunGoesOn) {
    for (std::uint8_t capability : {0x08, 0xFF}) {
        unit.calls.clear();
        unit.replies[kCapability] = {{0xF0, capability}};
        session->start();
        EXPECT_TRUE(session->completed()) << int{capability};
    }
    unit.calls.clear();
    frontEnd.events.clear();
    unit.replies[kCapability] = {{0xF0, 0xF7}};
    session->start();
    EXPECT_FALSE(session->completed());
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Warning: This validator version does not support "
                           "initialisation data function"}));
    EXPECT_EQ(callsFrom(kCapability), (std::vector<std::string>{command(kCapability), "CloseComm"}))
        << "no link traffic after the capability";
}

TEST_F(InitialiseSessionTest, InitialiseAnsweredOtherwiseIsReportedAndTheRunGoesOn) {
    unit.replies[kInitialise] = {{0xF4}};
    session->start();
    EXPECT_TRUE(session->completed());
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Warning: Not answering command!",
                           "message Information: Initialisation process complete"}));
    EXPECT_EQ(callsFrom(kInitialise)[1], command(kDataCollect));
}

TEST_F(InitialiseSessionTest, PollWithoutEventsKeepsTheLoopRunning) {
    unit.replies[kPoll] = {{0xF6}, {0xF6}, {0xF0, 0xD0}};
    session->start();
    EXPECT_TRUE(session->completed());
    EXPECT_EQ(countOf(command(kPoll)), 3);
    EXPECT_EQ(countOf(command(kStatus)), 4);
}

TEST_F(InitialiseSessionTest, EveryFailureHasItsMessageIconAndPortRule) {
    struct Case {
        const char* name;
        Bytes request;
        std::deque<Bytes> replies;
        QStringList messages;
        bool portClosed;  // the last link call is CloseComm
    };
    const Case cases[] = {
        // Nothing was asked of a unit that does not answer: no word of
        // what its version supports.
        {"SYNC while reading the capability",
         kSync,
         {{}},
         {"message Warning: No connection to validator detected"},
         true},
        {"firmware",
         {0x30, 0x05, 0x44},
         {{0xF2}},
         {"message Warning: No response to GET_FULL_FIRMWARE",
          "message Warning: Error getting firmware version"},
         true},
        {"SYNC of the run",
         kSync,
         {{0xF0}, {0xF0}, {0xF0}, {}},
         {"message Warning: No sync response!"},
         true},
        {"no EEPROM data",
         kInitialise,
         {{0xF5}},
         {"message Critical: Can not initialise. No EEPROM data"},
         true},
        {"data collect",
         kDataCollect,
         {{0xF3}},
         {"message Warning: Bad Reply to data collect command"},
         true},
        {"status without the data function",
         kStatus,
         {{0xF2}},
         {"message Warning: This RX Firmware does not support data function. Please update to "
          "latest version"},
         true},
        {"POLL", kPoll, {{0xF3}}, {"message Warning: Not answering command!"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unit.calls.clear();
        unit.replies.clear();
        unit.replies[c.request] = c.replies;
        frontEnd.events.clear();
        session->start();
        EXPECT_FALSE(session->completed());
        EXPECT_EQ(frontEnd.messages(), c.messages);
        EXPECT_EQ(unit.calls.back() == "CloseComm", c.portClosed) << unit.calls.back();
    }

    unit.calls.clear();
    unit.replies.clear();
    unit.linkOpens = false;
    frontEnd.events.clear();
    session->start();
    EXPECT_FALSE(session->completed());
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Warning: No connection to validator detected"}));
    EXPECT_TRUE(test::CallsStartingWith("Command").empty());
}

// A port that cannot be opened: one message with the reason and where to
// choose another port, nothing sent, and no second message when the window
// closes on the same port.
TEST_F(InitialiseSessionTest, APortThatCannotOpenIsOneMessageWithItsReason) {
    unit.portProblem = QStringLiteral("COM7 (/dev/ttyS6): no such device");
    unit.channelOpenStatus = 4;
    app::setPortAdvice(QStringLiteral("Choose the validator's port in Options > Serial Port."));
    session->start();
    EXPECT_FALSE(session->completed());
    session->requestClose();
    app::setPortAdvice({});
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Warning: No connection to validator detected\n"
                           "COM7 (/dev/ttyS6): no such device\n"
                           "Choose the validator's port in Options > Serial Port."}));
    EXPECT_EQ(std::count(unit.calls.begin(), unit.calls.end(), "OpenPort"), 0);
    EXPECT_TRUE(test::CallsStartingWith("Command").empty());
}

TEST_F(InitialiseSessionTest, Tm5WithTm3FirmwareIsShownAsTm3) {
    unit.unitType = "TM5";
    unit.firmware = "TM0005 V0301 TM3";
    session->start();
    EXPECT_TRUE(session->completed());
    EXPECT_EQ(session->caption(), "Validator: TM3");
}

TEST_F(InitialiseSessionTest, SensorCount255GivesNoRowsAndTheRunStillEnds) {
    unit.sensors.assign(255, {"S"});
    session->start();
    EXPECT_TRUE(session->completed());
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Warning: No response to GET_SENSOR_CONFIG_DATA",
                           "message Information: Initialisation process complete"}));
    EXPECT_TRUE(session->rows().empty());
}

TEST_F(InitialiseSessionTest, ShortStatusReplyLeavesUncoveredSensorsAsTheyWere) {
    unit.replies[kStatus] = {{0xF0, 1, 10, 20, 1, 11, 21, 1, 12, 22}, {0xF0, 4, 30, 40, 4, 31}};
    unit.replies[kPoll] = {{0xF0}, {0xF0, 0xD0}};
    session->start();
    EXPECT_TRUE(session->completed());
    const auto& rows = session->rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].status, "Calibration complete");
    EXPECT_EQ(rows[0].gain1, "30");
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(rows[i].status, "Initialisation busy") << i;
        EXPECT_EQ(rows[i].gain1, QString::number(10 + i)) << i;
    }
    unit.replies[kStatus] = {{}};  // no reply at all
    session->start();
    EXPECT_TRUE(session->completed());
    EXPECT_EQ(session->rows()[0].status, "") << "rows start empty on each Start";
}

// Closed while the status loop runs, the run ends before its next request:
// nothing but the unload follows the close. The close comes from the window's
// update after a status reply, between two link calls (a call in flight
// when the window closes still finishes, and would be counted after it).
TEST_F(InitialiseSessionTest, ClosingDuringTheLoopStopsAllLinkTraffic) {
    unit.replies[kPoll] = {{0xF0, 0xE8}};  // never ends by itself
    std::size_t callsAtClose = 0;
    int closedSignals = 0;
    QObject::connect(session.get(), &InitialiseSession::closed, [&] { ++closedSignals; });
    QObject::connect(session.get(), &InitialiseSession::changed, [&] {
        if (callsAtClose != 0 || countOf(command(kPoll)) < 3) return;
        callsAtClose = unit.calls.size();
        session->requestClose();
        EXPECT_EQ(closedSignals, 0) << "the run is still unwinding";
    });
    session->start();
    EXPECT_FALSE(session->completed());
    ASSERT_GT(callsAtClose, 0u);
    const std::vector<std::string> afterClose(unit.calls.begin() + callsAtClose, unit.calls.end());
    EXPECT_EQ(afterClose,
              (std::vector<std::string>{"CloseComm", "OpenPortAdvanced", "send 82", "ClosePort"}));
    EXPECT_EQ(closedSignals, 1);
    EXPECT_TRUE(frontEnd.messages().isEmpty());
    session->start();
    EXPECT_FALSE(session->completed()) << "a closed session does not start again";
}

// A window deleted without closing: the session still unloads the unit, but
// tells nothing to the half-destroyed session or the window behind it.
TEST_F(InitialiseSessionTest, ADeletedSessionUnloadsWithoutSignalling) {
    int changes = 0;
    QObject::connect(session.get(), &InitialiseSession::changed, [&] { ++changes; });
    session.reset();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(countOf("send 82"), 1);
}

TEST_F(InitialiseSessionTest, ClosingReportsAChannelThatDoesNotOpen) {
    unit.channelOpenStatus = 4;
    session->requestClose();
    EXPECT_EQ(frontEnd.messages(),
              QStringList({"message Warning: Serial Port FAILED INVALID PORT"}));
    EXPECT_TRUE(test::CallsStartingWith("send").empty());
}

}  // namespace
}  // namespace zav::controls
