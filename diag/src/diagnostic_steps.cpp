// The steps of a diagnostic run: probe, identification, RAM utility
// download, entry and gains, the tests in the order the RAM utility sends
// their results, and the verdict. A step that fails ends the run with the
// verdicts reached so far (see RunStep).
#include <QLatin1String>
#include <algorithm>
#include <span>

#include "diagnostic_session_core.h"
#include "program_state.h"
#include "zav/app/command_layer.h"
#include "zav/app/event_wait.h"
#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/model_table.h"
#include "zav/app/port_access_text.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_download.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"
#include "zav/app/unit_type_rule.h"
#include "zav/base/messages.h"
#include "zav/diag/test_rules.h"
#include "zav/lang/text_ids.h"

namespace zav::diag {
namespace {

// Tick limits of the run's waits.
constexpr int kProbeTicks = 5;
constexpr int kDownloadTicks = 200;
constexpr int kPauseTicks = 10;
constexpr int kEnterTicks = 10;
constexpr int kGainTicks = 30;
constexpr int kStartTestTicks = 10;
constexpr int kStackerTicks = 90;
constexpr int kTestTicks = 30;
constexpr int kGreenPaperTicks = 300;

constexpr std::uint8_t kOptoWheelCode = 0xB9;
constexpr std::uint8_t kStraightenerCode = 0xD3;

// What the model has; a type without a row has a stacker and no
// straightener, as the diagnostic always assumed.
bool HasStacker(const QString& unitType) {
    const app::ModelTraits* model = app::FindModel(unitType);
    return !model || model->stacker;
}

bool HasStraightener(const QString& unitType) {
    const app::ModelTraits* model = app::FindModel(unitType);
    return model && model->straightener;
}

}  // namespace

bool DiagnosticSessionCore::identify() {
    const app::SessionLifetime::Busy busy(lifetime_);
    // Every request would fail on a port that cannot be opened, each with a
    // message of its own: one says why instead.
    if (showPortProblem(app::Global::LangText(lang::text::kPortError))) {
        ProgramState().sensorDataLoaded = false;
        return false;
    }
    showStatusText(lang::text::kGettingSensorData);
    bool read = false;
    switch (app::ReadValidatorSensorData(port_, command_, reply_, unit_)) {
        case app::kReadOk:
            SetModelTestLimits(limits_, unit_.UnitType);
            table_.Recreate(unit_.SensorCount, limits_.MechanismCount);
            read = readUnitDetails();
            break;
        case app::kReadNoSensorData:
            showMessageText(lang::text::kNoSensorData);
            break;
        default:
            showMessageText(lang::text::kErrorSensorData);
            break;
    }
    DiagnosticProgramState& state = ProgramState();
    state.sensorDataLoaded = read;
    if (read) {
        state.unit = unit_;
        state.version = version_;
        state.dataset = dataset_;
        state.limits = limits_;
    }
    return read;
}

// Motor data, firmware and dataset after the sensor data. The later requests
// run even after an earlier one failed, but not once the session closes: a
// read that left the link port open then closes it.
bool DiagnosticSessionCore::readUnitDetails() {
    bool read = true;
    if (closing()) return false;
    if (app::ReadMotorData(port_, command_, reply_, unit_) != app::kReadOk) {
        showMessageText(lang::text::kErrorMotorData);
        read = false;
    }
    if (closing()) return false;
    const bool firmwareRead =
        app::ReadFullFirmware(port_, command_, reply_, version_) == app::kReadOk;
    if (!firmwareRead) {
        showMessageText(lang::text::kErrorFirmware);
        read = false;
    }
    app::ApplyFirmwareUnitType(unit_, version_);
    if (closing()) {
        if (firmwareRead) app::Link().CloseComm();
        return false;
    }
    if (app::ReadDatasetCode(port_, command_, reply_, dataset_) == app::kReadOk) {
        showStatusText(lang::text::kDataFetched);
    } else {
        showMessageText(lang::text::kErrorDataset);
        read = false;
    }
    return read;
}

// Step 0: is the RAM utility already running? It acknowledges 0x83.
void DiagnosticSessionCore::probe() {
    const std::int16_t status = app::OpenRamChannel(port_);
    if (status != app::kSerialOk) {
        showStatus(app::SerialStatusText(status));
        showPortProblem(app::SerialStatusText(status));
        abortStep();
        return;
    }
    app::SendRamCommand(app::ram_command::kStartDiagnostic);
    const bool utilityRunning = app::WaitForAck(kProbeTicks, clock_);
    app::Serial().ClosePort();
    if (closing()) return;

    if (utilityRunning) {
        const DiagnosticProgramState& state = ProgramState();
        if (!state.sensorDataLoaded) return fail(lang::text::kRestartEquipment);
        // The unit as last identified, with a fresh result table: no verdict
        // of an earlier run may pass for one of this run.
        unit_ = state.unit;
        version_ = state.version;
        dataset_ = state.dataset;
        limits_ = state.limits;
        table_.Recreate(unit_.SensorCount, limits_.MechanismCount);
        showResults(false);
        ramFileLoaded_ = true;
        clock_.reset();
        runStep_ = RunStep::Enter;
        return;
    }
    if (!identify()) return fail(lang::text::kConnectionLost);
    runStep_ = RunStep::Download;
    showResults(false);
    table_.ClearReadings();
}

// Step 1: load the RAM utility; the download poll sets ramFileLoaded_. A
// utility loaded by an earlier run of this window is gone once the unit
// was restarted, so only this download's completion counts. The blocks
// sent are reported against the image's for the window's progress bar.
void DiagnosticSessionCore::downloadUtility() {
    ramFileLoaded_ = false;
    lifetime_.view().setMousePointer(app::MousePointer::Hourglass);
    const std::int32_t blocks = app::DownloadRamUtility(unit_, port_, downloadPoll_);
    if (blocks > 0 && blocks < ZAV_DOWNLOAD_DONE) setProgress({0, blocks, -1});
    const auto showSent = [this](std::int32_t sent) {
        if (progress_.blocksTotal > 0) {
            setProgress({std::clamp(sent, 0, progress_.blocksTotal), progress_.blocksTotal, -1});
        }
    };
    const QMetaObject::Connection progress =
        connect(&downloadPoll_, &app::RamDownloadPoll::progressed, this, showSent);
    const QMetaObject::Connection done =
        connect(&downloadPoll_, &app::RamDownloadPoll::finished, this,
                [this, showSent] { showSent(progress_.blocksTotal); });
    clock_.reset();
    clock_.start();
    app::EventWait(clock_).wakeOn(&downloadPoll_, &app::RamDownloadPoll::finished).until([this] {
        return ramFileLoaded_ || clock_.ticks() > kDownloadTicks;
    });
    clock_.stop();
    disconnect(progress);
    disconnect(done);
    setProgress({});
    lifetime_.view().setMousePointer(app::MousePointer::Arrow);
    if (ramFileLoaded_) {
        runStep_ = RunStep::Enter;
    } else if (!closing()) {
        fail(lang::text::kDownloadError);
    }
}

// Step 2: the RAM utility takes over after it was entered.
void DiagnosticSessionCore::enterUtility() {
    app::PauseTicks(clock_, kPauseTicks);
    if (closing()) return;
    if (!app::EnterRamUtility(kEnterTicks, port_, clock_)) {
        return fail(lang::text::kNotAnswering);
    }
    app::PauseTicks(clock_, kPauseTicks);
    runStep_ = RunStep::Gains;
}

void DiagnosticSessionCore::sendGains() {
    if (!app::SendSensorGains(kGainTicks, port_, clock_, unit_)) {
        return fail(lang::text::kDownloadError);
    }
    showStatusText(lang::text::kDownloadGains);
    runStep_ = RunStep::StartTests;
}

// Step 4: from here the channel stays open until the run ends.
void DiagnosticSessionCore::startTests() {
    app::PauseTicks(clock_, kPauseTicks);
    if (closing()) return;
    if (!startSensorTest(kStartTestTicks)) return fail(lang::text::kNotAnswering);
    testsStarted_ = true;
    showStatusText(lang::text::kTesting);
    runStep_ = HasStacker(unit_.UnitType) ? RunStep::Stacker : RunStep::OptoWheel;
}

void DiagnosticSessionCore::testStacker() {
    if (!waitForReply(kStackerTicks)) return fail(lang::text::kNotAnswering);
    TestRules(unit_, limits_, table_).EvaluateStacker(packetData());
    showStatusText(lang::text::kStackerTested);
    runStep_ = RunStep::OptoWheel;
    clock_.reset();
    packet_.DataLength = 0;
}

// A reply with another code is reported and the run goes on.
void DiagnosticSessionCore::testOptoWheel() {
    if (!waitForReply(kTestTicks)) return fail(lang::text::kNotAnswering);
    if (packet_.Code == kOptoWheelCode) {
        TestRules(unit_, limits_, table_).EvaluateOptoWheel(packetData());
        showStatusText(lang::text::kOptoWheelTested);
    } else {
        showStatusText(lang::text::kUnexpectedAnswer);
    }
    runStep_ = HasStraightener(unit_.UnitType) ? RunStep::Straightener : RunStep::PaperLess;
}

void DiagnosticSessionCore::testStraightener() {
    if (!waitForReply(kTestTicks)) return fail(lang::text::kNotAnswering);
    if (packet_.Code == kStraightenerCode) {
        TestRules(unit_, limits_, table_).EvaluateStraightener(packetData());
        showStatusText(lang::text::kStraightenerTested);
    } else {
        showStatusText(lang::text::kUnexpectedAnswer);
    }
    runStep_ = RunStep::PaperLess;
    clock_.reset();
    packet_.DataLength = 0;
}

void DiagnosticSessionCore::testPaperLess() {
    if (!waitForReply(kTestTicks)) return fail(lang::text::kNotAnswering);
    showStatusText(lang::text::kSensorValuesReceived);
    TestRules(unit_, limits_, table_).EvaluatePathTest(packetData());
    showStatusText(lang::text::kPaperLessDone);
    runStep_ = RunStep::GreenPaper;
    packet_.DataLength = 0;
}

// The engineer inserts a green paper, or cancels. The window counts down
// the seconds left of the step's limit.
void DiagnosticSessionCore::testGreenPaper() {
    showStatusText(lang::text::kInsertGreenPaper);
    setButtons({buttons_.start, buttons_.ok, true, buttons_.saveCsv});
    const auto showTimeLeft = [this] {
        using std::chrono::milliseconds;
        const milliseconds left =
            std::max(0, kGreenPaperTicks - clock_.ticks()) * clock_.tickLength();
        const milliseconds second = std::chrono::seconds(1);
        setProgress({0, 0, static_cast<int>((left + second - milliseconds(1)) / second)});
    };
    showTimeLeft();
    const QMetaObject::Connection countdown =
        connect(&clock_, &app::TickClock::changed, this, showTimeLeft);
    const bool paperRead = waitForReply(kGreenPaperTicks);
    disconnect(countdown);
    setProgress({});
    if (paperRead) {
        showStatusText(lang::text::kSensorValuesReceived);
        TestRules(unit_, limits_, table_).EvaluatePaperTest(packetData());
        showStatusText(lang::text::kPaperTestDone);
        runStep_ = RunStep::Verdict;
        packet_.DataLength = 0;
    } else if (greenPaperStopped_ || closing()) {
        // Cancelled, or the window closed meanwhile, which ends the step as
        // Cancel does. The run ends here with the verdicts reached: once the
        // session closes, the run loop takes no further step.
        if (!greenPaperStopped_) stopGreenPaperTest();
        runStep_ = RunStep::Cancelled;
        endAbortedRun();
    } else {
        app::SendRamCommand(app::ram_command::kStopDiagnostic);
        showStatusText(lang::text::kNoGreenPaper);
        setButtons({buttons_.start, buttons_.ok, buttons_.cancel, true});
        abortStep();
    }
}

void DiagnosticSessionCore::showVerdict() {
    showResults(true);
    const bool passed = table_.OverallVerdict();
    showStatus(u'\n' + app::Global::LangText(passed ? lang::text::kPassed : lang::text::kFailed));
    lastRunEnd_ = passed ? RunEnd::Passed : RunEnd::Failed;
    runStep_ = RunStep::Ended;
    setButtons({buttons_.start, buttons_.ok, buttons_.cancel, true});
}

// A run that ended early still shows the verdicts it reached; rows it did
// not get to show FAIL.
void DiagnosticSessionCore::endAbortedRun() {
    if (ProgramState().sensorDataLoaded) showResults(true);
    if (runStep_ == RunStep::Cancelled) {
        lastRunEnd_ = RunEnd::Cancelled;
    } else {
        lastRunEnd_ = testsStarted_ ? RunEnd::TestsAborted : RunEnd::NotTested;
    }
    runStep_ = RunStep::Ended;
}

// Opens the channel (and leaves it open), sends 0x85 and waits for its
// acknowledge.
bool DiagnosticSessionCore::startSensorTest(int tickLimit) {
    const std::int16_t status = app::OpenRamChannel(port_);
    if (status != app::kSerialOk) {
        showStatus(app::SerialStatusText(status));
        return false;
    }
    app::SendRamCommand(app::ram_command::kStartTests);
    return app::WaitForAck(tickLimit, clock_);
}

bool DiagnosticSessionCore::waitForReply(int tickLimit) {
    return app::WaitForUtilityPacket(tickLimit, clock_, packet_);
}

bool DiagnosticSessionCore::showPortProblem(const QString& failure) {
    const QString problem = app::portProblem(port_);
    if (problem.isEmpty()) return false;
    showMessage(app::portProblemMessage(failure, problem), base::MessageIcon::Critical);
    return true;
}

std::span<const std::uint8_t> DiagnosticSessionCore::packetData() const {
    return {packet_.Data.data(), packet_.DataLength};
}

}  // namespace zav::diag
