// The diagnostic run through the real libraries against the simulator, with
// short ticks: the steps each model takes, the texts the engineer reads, the
// failure paths driven by simulator faults, Cancel, closing and saving.
#include "zav/diag/diagnostic_session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>

#include "core_test_support.h"
#include "serial_recorder.h"
#include "zav/app/current_port.h"
#include "zav/app/event_wait.h"
#include "zav/app/link_api.h"
#include "zav/app/port_access_text.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"
#include "zav/sim/simulator.h"
#include "zav/test/heartbeat.h"

namespace zav::diag {
namespace {

using namespace std::chrono_literals;

// Short enough for quick runs, long enough that a loaded machine still answers
// the 5-tick probe in time.
constexpr std::chrono::milliseconds kTick = 20ms;
constexpr std::int16_t kPort = 112;
constexpr std::int16_t kPortWithoutDevice = 126;

const QString kTesting = QString::fromUtf8("Testing\u2026");

class DiagnosticSessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { app::test::useBuiltProgram(); }
    void TearDown() override {
        // The next test's unit is a new pseudo-terminal under the same number.
        app::Link().CloseComm();
        app::Serial().ClosePort();
    }

    // A unit of `model` as the current port, answering each test at once;
    // faults in zavsim's syntax.
    sim::Simulator& StartUnit(const std::string& model,
                              std::initializer_list<const char*> faults = {},
                              sim::Program program = sim::Program::LinkProtocol) {
        sim::Options options;
        options.model = model;
        options.program = program;
        options.test_step_ms = 0;
        options.paper_delay_ms = 0;
        unit_ = std::make_unique<sim::Simulator>(options);
        for (const char* text : faults) AddFault(text);
        std::string why;
        EXPECT_TRUE(unit_->start(&why)) << why;
        unit_->export_port(kPort);
        app::SetCurrentPort(kPort);
        return *unit_;
    }
    void AddFault(const char* text) {
        std::string why;
        ASSERT_TRUE(unit_->add_fault_text(text, &why)) << text << ": " << why;
    }
    // The status texts since the last call (other events stay recorded).
    QStringList TakeStatuses() {
        QStringList statuses;
        QStringList others;
        for (const QString& event : frontEnd.events) {
            if (event.startsWith(QLatin1String("status: "))) {
                statuses << event.mid(8);
            } else {
                others << event;
            }
        }
        frontEnd.events = others;
        return statuses;
    }
    // Waits (in the event loop) until the simulator has taken `count`
    // commands `byte`; false after a second.
    bool UnitTook(std::uint8_t byte, std::size_t count) {
        app::TickClock clock(1ms);
        clock.start();
        app::EventWait(clock).until(
            [&] { return unit_->raw_commands_received(byte) >= count || clock.ticks() >= 1000; });
        return unit_->raw_commands_received(byte) >= count;
    }
    static QList<RowStatus> Statuses(const std::vector<ResultListRow>& rows) {
        QList<RowStatus> statuses;
        for (const ResultListRow& row : rows) statuses << row.status;
        return statuses;
    }

    app::test::RecordingFrontEnd frontEnd;
    std::unique_ptr<sim::Simulator> unit_;
};

TEST_F(DiagnosticSessionTest, HealthyTm6PassesThroughEveryStepAndClosingTellsTheUtilityToLeave) {
    StartUnit("TM6");
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    EXPECT_EQ(
        TakeStatuses(),
        QStringList{"Make sure the equipment is ON and connected before starting diagnostic."});
    EXPECT_EQ(session.buttons(), (DiagnosticButtons{true, true, true, false}));

    session.start();
    EXPECT_EQ(TakeStatuses(),
              (QStringList{"", "Getting sensor data from device...", "Data fetched!",
                           "Ram file download completed!", "Download sensor gains!", kTesting,
                           "Stacker tested!", "Optowheel tested!", "Straightener tested!",
                           "Sensors values received!", "Paper less test done!",
                           "Please now insert a green paper.", "Sensors values received!",
                           "Paper test done!", "\nPASSED"}));
    EXPECT_TRUE(frontEnd.messages().isEmpty()) << frontEnd.messages().join('\n').toStdString();
    EXPECT_EQ(session.lastRunEnd(), RunEnd::Passed);
    EXPECT_TRUE(SensorDataLoaded());
    EXPECT_EQ(session.buttons(), (DiagnosticButtons{true, true, true, true}));
    EXPECT_EQ(session.results().sensorRows.size(), 26u);
    EXPECT_EQ(Statuses(session.results().motorRows), QList<RowStatus>(4, RowStatus::Ok));
    EXPECT_EQ(unit_->gain_packets_accepted(), 1u);
    EXPECT_EQ(unit_->raw_commands_received(0x87), 0u);

    bool closed = false;
    QObject::connect(&session, &DiagnosticSession::closed, [&] { closed = true; });
    session.press(zav::diag::DiagnosticButton::Ok);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(UnitTook(0x82, 1));
    EXPECT_EQ(session.buttons(), (DiagnosticButtons{false, false, false, false}));
    const std::size_t frames = unit_->frames_received();
    session.start();
    EXPECT_EQ(unit_->frames_received(), frames) << "a closed session must not run";
}

// RX3 and TM4 have no stacker step; only the TM6 has a straightener step.
TEST_F(DiagnosticSessionTest, EachModelRunsItsOwnTestSteps) {
    for (const char* model : {"RX3", "RX5", "RX8", "TM3", "TM4", "TM5", "TM5-TM3"}) {
        SCOPED_TRACE(model);
        StartUnit(model);
        DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
        session.start();
        const QStringList statuses = TakeStatuses();
        const bool hasStacker = model != std::string("RX3") && model != std::string("TM4");
        EXPECT_EQ(statuses.contains("Stacker tested!"), hasStacker);
        EXPECT_FALSE(statuses.contains("Straightener tested!"));
        EXPECT_EQ(session.lastRunEnd(), RunEnd::Passed) << statuses.join('|').toStdString();
        EXPECT_EQ(session.results().motorRows.size(), hasStacker ? 3u : 2u);
        TearDown();
    }
}

TEST_F(DiagnosticSessionTest, SecondRunWhileTheUtilityRunsSkipsIdentificationAndDownload) {
    sim::Simulator& unit = StartUnit("TM4");
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    session.start();
    const std::size_t identifications = unit.frames_received(sim::expansion(0x65));
    TakeStatuses();

    std::vector<ResultsView> shown;
    QObject::connect(&session, &DiagnosticSession::resultsChanged,
                     [&] { shown.push_back(session.results()); });
    session.start();
    EXPECT_EQ(TakeStatuses(),
              (QStringList{"", "Download sensor gains!", kTesting, "Optowheel tested!",
                           "Sensors values received!", "Paper less test done!",
                           "Please now insert a green paper.", "Sensors values received!",
                           "Paper test done!", "\nPASSED"}));
    EXPECT_EQ(unit.frames_received(sim::expansion(0x65)), identifications);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(Statuses(shown[1].sensorRows),
              QList<RowStatus>(shown[1].sensorRows.size(), RowStatus::NotTested));
}

// A later window finds the utility still running (the earlier window's
// leave did not reach it): it knows the unit from the last identification
// and judges it afresh, so motor rows that this run could not test fail
// instead of keeping the earlier run's OK.
TEST_F(DiagnosticSessionTest, LaterSessionWorksWithTheLastUnitAndNoEarlierVerdict) {
    StartUnit("TM6");
    auto first = std::make_unique<DiagnosticSession>(zav::app::CurrentPort(), kTick, frontEnd);
    first->start();
    ASSERT_EQ(first->lastRunEnd(), RunEnd::Passed);
    first.reset();
    EXPECT_TRUE(UnitTook(0x82, 1)) << "a window that goes away unloads";

    StartUnit("TM6", {"wrongcode=opto"}, sim::Program::RamUtility);
    DiagnosticSession later(zav::app::CurrentPort(), kTick, frontEnd);
    TakeStatuses();
    later.start();
    const QStringList statuses = TakeStatuses();
    EXPECT_FALSE(statuses.contains("Getting sensor data from device..."));
    EXPECT_TRUE(statuses.contains("Unexpected answer!"));
    EXPECT_EQ(later.lastRunEnd(), RunEnd::Failed);
    EXPECT_EQ(later.results().sensorRows.size(), 26u);
    EXPECT_EQ(Statuses(later.results().motorRows),
              (QList<RowStatus>{RowStatus::Fail, RowStatus::Fail, RowStatus::Ok, RowStatus::Ok}));
}

TEST_F(DiagnosticSessionTest, UtilityRunningWithoutKnownSensorDataAsksForARestart) {
    // An identification that fails leaves no sensor data known.
    StartUnit("TM6", {"code=F2:sensor-config"});
    DiagnosticSession failed(zav::app::CurrentPort(), kTick, frontEnd);
    failed.start();
    EXPECT_EQ(TakeStatuses().last(), "Connection lost!");
    EXPECT_EQ(frontEnd.messages(),
              (QStringList{"message Warning: No response to GET_SENSOR_CONFIG_DATA",
                           "message Warning: Error getting sensor data"}));
    EXPECT_FALSE(SensorDataLoaded());
    EXPECT_EQ(failed.lastRunEnd(), RunEnd::NotTested);

    StartUnit("TM6", {}, sim::Program::RamUtility);
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    TakeStatuses();
    session.start();
    EXPECT_EQ(TakeStatuses(), (QStringList{"", "You need to restart the equipment!"}));
    EXPECT_EQ(session.lastRunEnd(), RunEnd::NotTested);
    EXPECT_EQ(session.buttons(), (DiagnosticButtons{true, true, true, false}));
}

// Each fault ends the run at its step with its text; the rows the run did
// not get to show FAIL.
TEST_F(DiagnosticSessionTest, FailurePathsEndTheRunWithTheirTexts) {
    struct Case {
        const char* fault;
        const char* lastStatus;
        RunEnd end;
        int failedSensors;
    };
    const Case cases[] = {
        {"code=F2:program", "Download error!", RunEnd::NotTested, 26},
        {"noack=86", "Not answering command!", RunEnd::NotTested, 26},
        {"noack=gains", "Download error!", RunEnd::NotTested, 26},
        {"noack=85", "Not answering command!", RunEnd::NotTested, 26},
        // The stacker sensor passed before the opto wheel's reply was lost.
        {"badcheck=opto", "Not answering command!", RunEnd::TestsAborted, 25},
        // Stacker, straightener and stacker plate sensors need no paper.
        {"nopaper", "No green paper. Test timeout!", RunEnd::TestsAborted, 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        StartUnit("TM6", {c.fault});
        DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
        session.start();
        EXPECT_EQ(TakeStatuses().last(), c.lastStatus);
        EXPECT_EQ(session.lastRunEnd(), c.end);
        const bool noGreenPaper = c.fault == std::string("nopaper");
        EXPECT_EQ(session.buttons().saveCsv, noGreenPaper);
        if (noGreenPaper) {
            EXPECT_TRUE(UnitTook(0x87, 1)) << "the green-paper time-out stops the utility";
        } else {
            EXPECT_EQ(unit_->raw_commands_received(0x87), 0u);
        }
        EXPECT_EQ(Statuses(session.results().sensorRows).count(RowStatus::Fail), c.failedSensors);
        TearDown();
    }
    EXPECT_TRUE(frontEnd.messages().contains("message Warning: Download error!PROG_COMMAND_FAIL"))
        << frontEnd.messages().join('\n').toStdString();
}

TEST_F(DiagnosticSessionTest, CancelDuringTheGreenPaperEndsTheRunAtOnce) {
    StartUnit("TM6", {"nopaper"});
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    session.press(
        zav::diag::DiagnosticButton::Cancel);  // while no run is active, Cancel closes the window
    ASSERT_TRUE(session.isClosed());

    DiagnosticSession running(zav::app::CurrentPort(), kTick, frontEnd);
    QObject::connect(&running, &DiagnosticSession::buttonsChanged, [&] {
        if (running.isRunning() && running.buttons().cancel) {
            QTimer::singleShot(0, &running,
                               [&] { running.press(zav::diag::DiagnosticButton::Cancel); });
        }
    });
    TakeStatuses();
    running.start();
    const QStringList statuses = TakeStatuses();
    EXPECT_EQ(statuses.mid(statuses.size() - 2),
              (QStringList{"Please now insert a green paper.", "FAILED"}));
    EXPECT_EQ(running.lastRunEnd(), RunEnd::Cancelled);
    EXPECT_TRUE(UnitTook(0x87, 1));
    EXPECT_EQ(running.buttons(), (DiagnosticButtons{true, true, true, false}));
    // The tests reached before the cancel keep their verdicts.
    EXPECT_EQ(Statuses(running.results().motorRows), QList<RowStatus>(4, RowStatus::Ok));
}

// The status line keeps the serial status; one message adds why and where
// to choose another port. Identifying alone says it once, too.
TEST_F(DiagnosticSessionTest, APortWithoutDeviceIsReportedWithTheSerialStatus) {
    app::SetCurrentPort(kPortWithoutDevice);
    app::setPortAdvice(QStringLiteral("Choose the validator's port in Options > Serial Port."));
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    TakeStatuses();
    session.start();
    EXPECT_EQ(TakeStatuses(), (QStringList{"", "INVALID PORT"}));
    const QString reason = QStringLiteral(
                               "COM%1 (no device): no such device\n"
                               "Choose the validator's port in Options > Serial Port.")
                               .arg(kPortWithoutDevice);
    EXPECT_EQ(frontEnd.messages(), QStringList{"message Critical: INVALID PORT\n" + reason});
    EXPECT_EQ(session.lastRunEnd(), RunEnd::NotTested);
    frontEnd.events.clear();
    EXPECT_FALSE(session.identify());
    EXPECT_EQ(frontEnd.messages(),
              QStringList{"message Critical: Error opening communication port!\n" + reason});
    app::setPortAdvice({});
    session.press(zav::diag::DiagnosticButton::Ok);
    EXPECT_EQ(TakeStatuses(), QStringList{} << "INVALID PORT");
    EXPECT_TRUE(session.isClosed());
}

TEST_F(DiagnosticSessionTest, SavingIsOpenOnlyAfterAVerdictAndReportsFailure) {
    const QTemporaryDir directory;
    const QString path = directory.filePath("results.csv");
    StartUnit("RX3");
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    EXPECT_FALSE(session.saveResults(path));
    EXPECT_FALSE(QFile::exists(path));

    session.start();
    TakeStatuses();
    ASSERT_TRUE(session.saveResults(path));
    // The verdict stays on the status line, the saved note below it.
    EXPECT_EQ(TakeStatuses(), QStringList{"\nPASSED\nDiagnostics results saved in .CSV file."});
    EXPECT_EQ(LastCsvPath(), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(" Type,  Serial Nb.,"));

    EXPECT_FALSE(session.saveResults(directory.path()));
    EXPECT_EQ(frontEnd.messages(), QStringList{"message Warning: Couldn't save results!\n" +
                                               directory.path() + ": this is a folder"});
    EXPECT_TRUE(TakeStatuses().isEmpty());
    EXPECT_TRUE(session.defaultCsvFileName().startsWith("RX3_"));
}

// Step 1 waits for this run's own download: the one of the run before the
// unit was restarted does not count.
TEST_F(DiagnosticSessionTest, SecondRunAfterARestartWaitsForItsOwnSlowDownload) {
    const char* slowLoader = "delay=600:loader-echo:1";
    StartUnit("TM6", {slowLoader});
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    session.start();
    ASSERT_EQ(session.lastRunEnd(), RunEnd::Passed);

    StartUnit("TM6", {slowLoader});  // the unit was switched off and on
    TakeStatuses();
    session.start();
    const QStringList statuses = TakeStatuses();
    EXPECT_TRUE(statuses.contains("Ram file download completed!"));
    EXPECT_EQ(session.lastRunEnd(), RunEnd::Passed) << statuses.join('|').toStdString();
    EXPECT_TRUE(frontEnd.messages().isEmpty()) << frontEnd.messages().join('\n').toStdString();
}

// Texts the unit pads with zero bytes end at the first zero, so a TM5
// whose firmware text is "TM5" stays a TM5 and no zero byte is shown.
TEST_F(DiagnosticSessionTest, ZeroPaddedTextsEndAtTheirFirstZeroByte) {
    StartUnit("TM5", {"zeropad=TM5:firmware", "zeropad=EUR5:dataset", "zeropad=Entry:sensor-info:1",
                      "zeropad=Drive:motor-info:1"});
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    session.start();
    const DiagnosticResults results = session.resultData();
    EXPECT_EQ(results.unit.UnitType, "TM5");
    EXPECT_EQ(results.version.FullFirmware, "TM5");
    EXPECT_EQ(results.dataset.DatasetCode, "EUR5");
    EXPECT_EQ(app::ValueAt(results.unit.SensorName, 0), "Entry");
    EXPECT_EQ(app::ValueAt(results.unit.MotorName, 0), "Drive");
    EXPECT_FALSE(session.results().identityText.contains(QChar(0)));
    EXPECT_EQ(session.lastRunEnd(), RunEnd::Passed);
}

// The unanswered SYNC takes seconds on the link worker (six with the
// library's default retries, three once an earlier test's download has left
// its own T = 1, N = 2 in force); the window's event loop goes on meanwhile,
// and the engineer sees what he saw before.
TEST_F(DiagnosticSessionTest, UnansweredSyncNeverFreezesTheEventLoop) {
    StartUnit("TM6", {"noreply:sync"});
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    TakeStatuses();
    QElapsedTimer run;
    run.start();
    const zav::test::Heartbeat heartbeat;
    // The engineer clicks while the SYNC waits: the buttons the run disables
    // stay disabled, so nothing happens.
    QTimer::singleShot(1500ms, &session, [&] {
        EXPECT_EQ(session.buttons(), (DiagnosticButtons{false, false, false, false}));
        session.start();
        session.press(zav::diag::DiagnosticButton::Ok);
        session.press(zav::diag::DiagnosticButton::Cancel);
        EXPECT_FALSE(session.isClosed());
    });
    session.start();
    EXPECT_GE(run.elapsed(), 2500) << "the link's retries take seconds";
    EXPECT_LT(heartbeat.largestGapMs(), 50);
    EXPECT_EQ(TakeStatuses(),
              (QStringList{"", "Getting sensor data from device...", "Connection lost!"}));
    EXPECT_EQ(frontEnd.messages(), (QStringList{"message Warning: No sync response!",
                                                "message Warning: Error getting sensor data"}));
    EXPECT_EQ(session.lastRunEnd(), RunEnd::NotTested);
}

// Closing the window during the green-paper wait: the wait ends at once,
// the run ends as Cancel ends it (0x87), and the unload follows once, then
// closed().
TEST_F(DiagnosticSessionTest, CloseDuringTheGreenPaperWaitEndsItAsCancelThenUnloadsOnce) {
    StartUnit("TM6", {"nopaper"});
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    test::SerialRecorder serial;
    int closedSignals = 0;
    QObject::connect(&session, &DiagnosticSession::closed, [&] { ++closedSignals; });
    QObject::connect(&session, &DiagnosticSession::buttonsChanged, [&] {
        if (session.isRunning() && session.buttons().cancel) {
            QTimer::singleShot(0, &session, [&] {
                session.requestClose();
                EXPECT_EQ(closedSignals, 0) << "the run is still unwinding";
            });
        }
    });
    QElapsedTimer run;
    run.start();
    session.start();
    EXPECT_LT(run.elapsed(), 300 * kTick.count() / 2) << "the green-paper wait ended early";
    EXPECT_EQ(closedSignals, 1);
    EXPECT_TRUE(session.isClosed());
    EXPECT_TRUE(UnitTook(0x82, 1));
    EXPECT_EQ(unit_->raw_commands_received(0x87), 1u);
    const QStringList& calls = serial.calls();
    EXPECT_LT(calls.indexOf("send 87"), calls.indexOf("send 82")) << calls.join(' ').toStdString();
    EXPECT_EQ(session.lastRunEnd(), RunEnd::Cancelled);
    EXPECT_TRUE(TakeStatuses().contains("FAILED"));
    // The tests reached before the close keep their verdicts.
    EXPECT_EQ(Statuses(session.results().motorRows), QList<RowStatus>(4, RowStatus::Ok));
    session.requestClose();
    session.press(zav::diag::DiagnosticButton::Ok);
    EXPECT_EQ(closedSignals, 1) << "once only";
    EXPECT_EQ(unit_->raw_commands_received(0x82), 1u);
    EXPECT_EQ(unit_->raw_commands_received(0x87), 1u);
}

// A view that must not be touched once its window is gone.
class WindowView final : public app::SessionView {
  public:
    void setStatusText(const QString& text) override { last = text; }
    void setMousePointer(app::MousePointer) override {}
    QString last;
};

// Deleting the session (and its view) inside one of its waits, a serial
// wait and a six-second link call, is safe (run under ASan): the run ends,
// the unload still reaches the unit.
TEST_F(DiagnosticSessionTest, DeletingTheSessionDuringAWaitIsSafeAndStillUnloads) {
    struct Case {
        const char* fault;
        std::chrono::milliseconds deleteAfter;
        bool utilityRuns;  // only the RAM utility counts the leave command
    };
    for (const Case& c : {Case{"nopaper", 60 * kTick, true}, Case{"noreply:sync", 1000ms, false}}) {
        SCOPED_TRACE(c.fault);
        StartUnit("TM6", {c.fault});
        auto view = std::make_unique<WindowView>();
        auto session = std::make_unique<DiagnosticSession>(zav::app::CurrentPort(), kTick, *view);
        QTimer::singleShot(c.deleteAfter, [&] {
            ASSERT_TRUE(session->isRunning());
            session.reset();
            view.reset();
        });
        session->start();
        EXPECT_EQ(session, nullptr);
        if (c.utilityRuns) {
            EXPECT_TRUE(UnitTook(0x82, 1));
            EXPECT_EQ(unit_->raw_commands_received(0x87), 1u) << "the green paper's Cancel";
        }
        TearDown();
    }
}

}  // namespace
}  // namespace zav::diag

namespace zav::diag {
namespace {

// What the window shows beside the status line: the blocks of the RAM
// utility sent of the image's, growing to the whole image and gone when the
// download ends; the green paper's seconds left, counting down to the limit.
TEST_F(DiagnosticSessionTest, ProgressFollowsTheDownloadAndTheGreenPaperTimeLeft) {
    StartUnit("TM6", {"nopaper"});
    DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
    std::vector<RunProgress> shown;
    QObject::connect(&session, &DiagnosticSession::progressChanged,
                     [&] { shown.push_back(session.progress()); });
    session.start();
    ASSERT_GE(shown.size(), 4u);
    EXPECT_EQ(shown.back(), RunProgress{});

    std::vector<RunProgress> download;
    std::vector<int> secondsLeft;
    for (const RunProgress& progress : shown) {
        if (progress.blocksTotal > 0) download.push_back(progress);
        if (progress.greenPaperSecondsLeft >= 0)
            secondsLeft.push_back(progress.greenPaperSecondsLeft);
    }
    ASSERT_GE(download.size(), 2u);
    EXPECT_EQ(download.front().blocksSent, 0);
    EXPECT_EQ(download.back().blocksSent, download.back().blocksTotal);
    for (std::size_t i = 1; i < download.size(); ++i) {
        EXPECT_EQ(download[i].blocksTotal, download.front().blocksTotal);
        EXPECT_GE(download[i].blocksSent, download[i - 1].blocksSent);
        EXPECT_LE(download[i].blocksSent, download[i].blocksTotal);
    }
    // 300 ticks of 20 ms: six seconds, counted down to none left.
    ASSERT_GE(secondsLeft.size(), 6u);
    EXPECT_EQ(secondsLeft.front(), 6);
    EXPECT_EQ(secondsLeft.back(), 0);
    for (std::size_t i = 1; i < secondsLeft.size(); ++i) {
        EXPECT_EQ(secondsLeft[i], secondsLeft[i - 1] - 1);
    }
}

// A window closed during a run: the wait ends at once, nothing more is sent
// but the green paper's stop and the leave (once, then the channel closed),
// and no message is shown.
TEST_F(DiagnosticSessionTest, CloseRequestDuringARunEndsItAndUnloadsOnce) {
    struct Case {
        const char* fault;
        const char* when;  // the status text at which the window closes
    };
    const Case cases[] = {
        {"nopaper", "Please now insert a green paper."},
        {"", ""},  // the probe
        {"", "Download sensor gains!"},
        {"", "Data fetched!"},  // the download
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        if (*c.fault) {
            StartUnit("TM6", {c.fault});
        } else {
            StartUnit("TM6");
        }
        DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
        TakeStatuses();
        int closedSignals = 0;
        QObject::connect(&session, &DiagnosticSession::closed, [&] { ++closedSignals; });
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (session.statusText() == QLatin1String(c.when)) session.requestClose();
        });
        watch.start(1);
        test::SerialRecorder serial;
        QElapsedTimer elapsed;
        elapsed.start();
        session.start();
        watch.stop();
        EXPECT_LT(elapsed.elapsed(), 3000) << "the run must end at the wait's next check";
        EXPECT_TRUE(session.isClosed());
        EXPECT_EQ(closedSignals, 1);
        EXPECT_EQ(serial.sent(0x82), 1);
        EXPECT_EQ(serial.callsAfterLeave(), QStringList{"close"});
        // Only the green-paper step, where Cancel is open, ends as Cancel does.
        EXPECT_EQ(serial.sent(0x87), *c.fault ? 1 : 0);
        EXPECT_TRUE(frontEnd.messages().isEmpty()) << frontEnd.messages().join('\n').toStdString();
        EXPECT_FALSE(TakeStatuses().contains("Paper test done!"));
        const std::size_t frames = unit_->frames_received();
        session.requestClose();
        session.start();
        EXPECT_EQ(unit_->frames_received(), frames);
        EXPECT_EQ(serial.callsAfterLeave(), QStringList{"close"});
        TearDown();
    }
}

}  // namespace
}  // namespace zav::diag
