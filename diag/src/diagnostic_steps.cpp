// The steps of a diagnostic run: probe, identification, RAM utility
// download, entry and gains, the tests in the order the RAM utility sends
// their results, and the verdict. A step that fails adds 100 to the step
// number, which ends the run with the verdicts reached so far.
#include <QLatin1String>
#include <algorithm>
#include <span>

#include "diagnostic_session_core.h"
#include "program_state.h"
#include "zav/app/command_layer.h"
#include "zav/app/current_port.h"
#include "zav/app/event_wait.h"
#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_download.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"
#include "zav/app/unit_type_rule.h"
#include "zav/base/messages.h"
#include "zav/diag/diagnostic_texts.h"
#include "zav/diag/test_rules.h"

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

constexpr int kCancelledStep = 250;

constexpr std::uint8_t kOptoWheelCode = 0xB9;
constexpr std::uint8_t kStraightenerCode = 0xD3;

bool IsModel(const QString& unitType, std::initializer_list<const char*> models) {
    for (const char* model : models) {
        if (unitType == QLatin1String(model)) return true;
    }
    return false;
}

}  // namespace

bool DiagnosticSessionCore::GetRXSensorData() {
    const app::SessionLifetime::Busy busy(lifetime_);
    const std::int16_t port = app::CurrentPort();
    ShowStatusText(text::kGettingSensorData);
    bool read = false;
    switch (app::ReadValidatorSensorData(port, command_, reply_, unit_)) {
        case app::kReadOk:
            SetModelTestLimits(limits_, unit_.UnitType);
            table_.Recreate(unit_.SensorCount, limits_.MechanismCount);
            read = ReadUnitDetails(port);
            break;
        case app::kReadNoSensorData:
            ShowMessageText(text::kNoSensorData);
            break;
        default:
            ShowMessageText(text::kErrorSensorData);
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
bool DiagnosticSessionCore::ReadUnitDetails(std::int16_t port) {
    bool read = true;
    if (Closing()) return false;
    if (app::ReadMotorData(port, command_, reply_, unit_) != app::kReadOk) {
        ShowMessageText(text::kErrorMotorData);
        read = false;
    }
    if (Closing()) return false;
    const bool firmwareRead =
        app::ReadFullFirmware(port, command_, reply_, version_) == app::kReadOk;
    if (!firmwareRead) {
        ShowMessageText(text::kErrorFirmware);
        read = false;
    }
    app::ApplyFirmwareUnitType(unit_, version_);
    if (Closing()) {
        if (firmwareRead) app::Link().CloseComm();
        return false;
    }
    if (app::ReadDatasetCode(port, command_, reply_, dataset_) == app::kReadOk) {
        ShowStatusText(text::kDataFetched);
    } else {
        ShowMessageText(text::kErrorDataset);
        read = false;
    }
    return read;
}

// Step 0: is the RAM utility already running? It acknowledges 0x83.
void DiagnosticSessionCore::Probe() {
    const std::int16_t status = app::OpenRamChannel(app::CurrentPort());
    if (status != app::kSerialOk) {
        ShowStatus(app::SerialStatusText(status));
        runStep_ += 100;
        return;
    }
    app::SendRamCommand(app::ram_command::kStartDiagnostic);
    const bool utilityRunning = app::WaitForAck(kProbeTicks, clock_);
    app::Serial().ClosePort();
    if (Closing()) return;

    if (utilityRunning) {
        const DiagnosticProgramState& state = ProgramState();
        if (!state.sensorDataLoaded) return Fail(text::kRestartEquipment);
        // The unit as last identified, with a fresh result table: no verdict
        // of an earlier run may pass for one of this run.
        unit_ = state.unit;
        version_ = state.version;
        dataset_ = state.dataset;
        limits_ = state.limits;
        table_.Recreate(unit_.SensorCount, limits_.MechanismCount);
        ShowResults(false);
        ramFileLoaded_ = true;
        clock_.reset();
        runStep_ = 2;
        return;
    }
    if (!GetRXSensorData()) return Fail(text::kConnectionLost);
    runStep_ = 1;
    ShowResults(false);
    table_.ClearReadings();
}

// Step 1: load the RAM utility; the download poll sets ramFileLoaded_. A
// utility loaded by an earlier run of this window is gone once the unit
// was restarted, so only this download's completion counts. The blocks
// sent are reported against the image's for the window's progress bar.
void DiagnosticSessionCore::DownloadUtility() {
    ramFileLoaded_ = false;
    lifetime_.view().setMousePointer(app::MousePointer::Hourglass);
    const std::int32_t blocks = app::DownloadRamUtility(unit_, app::CurrentPort(), downloadPoll_);
    if (blocks > 0 && blocks < app::kDownloadComplete) SetProgress({0, blocks, -1});
    const auto showSent = [this](std::int32_t sent) {
        if (progress_.blocksTotal > 0) {
            SetProgress({std::clamp(sent, 0, progress_.blocksTotal), progress_.blocksTotal, -1});
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
    SetProgress({});
    lifetime_.view().setMousePointer(app::MousePointer::Arrow);
    if (ramFileLoaded_) {
        runStep_ = 2;
    } else if (!Closing()) {
        Fail(text::kDownloadError);
    }
}

// Step 2: the RAM utility takes over after it was entered.
void DiagnosticSessionCore::EnterUtility() {
    app::PauseTicks(clock_, kPauseTicks);
    if (Closing()) return;
    if (!app::EnterRamUtility(kEnterTicks, app::CurrentPort(), clock_)) {
        return Fail(text::kNotAnswering);
    }
    app::PauseTicks(clock_, kPauseTicks);
    runStep_ = 3;
}

void DiagnosticSessionCore::SendGains() {
    if (!app::SendSensorGains(kGainTicks, app::CurrentPort(), clock_, unit_)) {
        return Fail(text::kDownloadError);
    }
    ShowStatusText(text::kDownloadGains);
    runStep_ = 4;
}

// Step 4: from here the channel stays open until the run ends.
void DiagnosticSessionCore::StartTests() {
    app::PauseTicks(clock_, kPauseTicks);
    if (Closing()) return;
    if (!StartSensorTest(kStartTestTicks)) return Fail(text::kNotAnswering);
    testsStarted_ = true;
    ShowStatusText(text::kTesting);
    // The RX3 and the TM4 have no stacker.
    runStep_ = IsModel(unit_.UnitType, {"RX3", "TM4"}) ? 6 : 5;
}

void DiagnosticSessionCore::TestStacker() {
    if (!WaitForReply(kStackerTicks)) return Fail(text::kNotAnswering);
    TestRules(unit_, limits_, table_).EvaluateStacker(PacketData());
    ShowStatusText(text::kStackerTested);
    runStep_ = 6;
    clock_.reset();
    packet_.DataLength = 0;
}

// A reply with another code is reported and the run goes on.
void DiagnosticSessionCore::TestOptoWheel() {
    if (!WaitForReply(kTestTicks)) return Fail(text::kNotAnswering);
    if (packet_.Code == kOptoWheelCode) {
        TestRules(unit_, limits_, table_).EvaluateOptoWheel(PacketData());
        ShowStatusText(text::kOptoWheelTested);
    } else {
        ShowStatusText(text::kUnexpectedAnswer);
    }
    // Only the TM6 has a straightener.
    runStep_ = unit_.UnitType == QLatin1String("TM6") ? 7 : 8;
}

void DiagnosticSessionCore::TestStraightener() {
    if (!WaitForReply(kTestTicks)) return Fail(text::kNotAnswering);
    if (packet_.Code == kStraightenerCode) {
        TestRules(unit_, limits_, table_).EvaluateStraightener(PacketData());
        ShowStatusText(text::kStraightenerTested);
    } else {
        ShowStatusText(text::kUnexpectedAnswer);
    }
    runStep_ = 8;
    clock_.reset();
    packet_.DataLength = 0;
}

void DiagnosticSessionCore::TestPaperLess() {
    if (!WaitForReply(kTestTicks)) return Fail(text::kNotAnswering);
    ShowStatusText(text::kSensorValuesReceived);
    TestRules(unit_, limits_, table_).EvaluatePathTest(PacketData());
    ShowStatusText(text::kPaperLessDone);
    runStep_ = 9;
    packet_.DataLength = 0;
}

// The engineer inserts a green paper, or cancels. The window counts down
// the seconds left of the step's limit.
void DiagnosticSessionCore::TestGreenPaper() {
    ShowStatusText(text::kInsertGreenPaper);
    SetButtons({buttons_.start, buttons_.ok, true, buttons_.saveCsv});
    const auto showTimeLeft = [this] {
        using std::chrono::milliseconds;
        const milliseconds left =
            std::max(0, kGreenPaperTicks - clock_.ticks()) * clock_.tickLength();
        const milliseconds second = std::chrono::seconds(1);
        SetProgress({0, 0, static_cast<int>((left + second - milliseconds(1)) / second)});
    };
    showTimeLeft();
    const QMetaObject::Connection countdown =
        connect(&clock_, &app::TickClock::changed, this, showTimeLeft);
    const bool paperRead = WaitForReply(kGreenPaperTicks);
    disconnect(countdown);
    SetProgress({});
    if (paperRead) {
        ShowStatusText(text::kSensorValuesReceived);
        TestRules(unit_, limits_, table_).EvaluatePaperTest(PacketData());
        ShowStatusText(text::kPaperTestDone);
        runStep_ = 10;
        packet_.DataLength = 0;
    } else if (greenPaperStopped_ || Closing()) {
        // Cancelled, or the window closed meanwhile, which ends the step as
        // Cancel does. The run ends here with the verdicts reached: once the
        // session closes, the run loop takes no further step.
        if (!greenPaperStopped_) StopGreenPaperTest();
        runStep_ = kCancelledStep;
        EndAbortedRun();
    } else {
        app::SendRamCommand(app::ram_command::kStopDiagnostic);
        ShowStatusText(text::kNoGreenPaper);
        SetButtons({buttons_.start, buttons_.ok, buttons_.cancel, true});
        runStep_ += 100;
    }
}

void DiagnosticSessionCore::ShowVerdict() {
    ShowResults(true);
    const bool passed = table_.OverallVerdict();
    ShowStatus(u'\n' + app::Global::LangText(passed ? text::kPassed : text::kFailed));
    lastRunEnd_ = passed ? RunEnd::Passed : RunEnd::Failed;
    runStep_ = kRunEnded;
    SetButtons({buttons_.start, buttons_.ok, buttons_.cancel, true});
}

// A run that ended early still shows the verdicts it reached; rows it did
// not get to show FAIL.
void DiagnosticSessionCore::EndAbortedRun() {
    if (ProgramState().sensorDataLoaded) ShowResults(true);
    if (runStep_ == kCancelledStep) {
        lastRunEnd_ = RunEnd::Cancelled;
    } else {
        lastRunEnd_ = testsStarted_ ? RunEnd::TestsAborted : RunEnd::NotTested;
    }
    runStep_ = kRunEnded;
}

// Opens the channel (and leaves it open), sends 0x85 and waits for its
// acknowledge.
bool DiagnosticSessionCore::StartSensorTest(int tickLimit) {
    const std::int16_t status = app::OpenRamChannel(app::CurrentPort());
    if (status != app::kSerialOk) {
        ShowStatus(app::SerialStatusText(status));
        return false;
    }
    app::SendRamCommand(app::ram_command::kStartTests);
    return app::WaitForAck(tickLimit, clock_);
}

bool DiagnosticSessionCore::WaitForReply(int tickLimit) {
    return app::WaitForUtilityPacket(tickLimit, clock_, packet_);
}

std::span<const std::uint8_t> DiagnosticSessionCore::PacketData() const {
    return {packet_.Data.data(), packet_.DataLength};
}

}  // namespace zav::diag
