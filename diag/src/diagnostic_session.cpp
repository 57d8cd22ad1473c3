// The diagnostics window's logic: its buttons, the run loop, Cancel,
// closing and saving. The steps of the run are in diagnostic_steps.cpp.
#include "zav/diag/diagnostic_session.h"

#include <QCoreApplication>
#include <QDateTime>

#include "diagnostic_session_core.h"
#include "program_state.h"
#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"
#include "zav/base/messages.h"
#include "zav/diag/diagnostic_texts.h"
#include "zav/diag/results_csv.h"

namespace zav::diag {

DiagnosticProgramState& ProgramState() {
    static DiagnosticProgramState state;
    return state;
}

bool SensorDataLoaded() {
    return ProgramState().sensorDataLoaded;
}

QString LastCsvPath() {
    return ProgramState().lastCsvPath;
}

DiagnosticSession::DiagnosticSession(app::SessionView& view, std::chrono::milliseconds tickLength,
                                     QObject* parent)
    : QObject(parent), core_(std::make_shared<DiagnosticSessionCore>(view, tickLength)) {
    connect(core_.get(), &DiagnosticSessionCore::buttonsChanged, this,
            &DiagnosticSession::buttonsChanged);
    connect(core_.get(), &DiagnosticSessionCore::resultsChanged, this,
            &DiagnosticSession::resultsChanged);
    connect(core_.get(), &DiagnosticSessionCore::progressChanged, this,
            &DiagnosticSession::progressChanged);
    connect(&core_->Lifetime(), &app::SessionLifetime::closed, this, &DiagnosticSession::closed);
}

DiagnosticSession::~DiagnosticSession() {
    core_->Lifetime().abandon();
}

// Whatever may wait holds the core, so it outlives this session if that is
// deleted meanwhile.
void DiagnosticSession::StartDiagnostic() {
    const auto core = core_;
    core->StartDiagnostic();
}

void DiagnosticSession::Cancel() {
    const auto core = core_;
    core->Cancel();
}

void DiagnosticSession::Ok() {
    const auto core = core_;
    core->Ok();
}

void DiagnosticSession::requestClose() {
    const auto core = core_;
    core->Lifetime().requestClose();
}

bool DiagnosticSession::SaveResultsCsv(const QString& path) {
    return core_->SaveResultsCsv(path);
}

QString DiagnosticSession::DefaultCsvFileName() const {
    return core_->DefaultCsvFileName();
}

bool DiagnosticSession::GetRXSensorData() {
    const auto core = core_;
    return core->GetRXSensorData();
}

bool DiagnosticSession::IsClosed() const {
    return core_->IsClosed();
}
bool DiagnosticSession::IsRunning() const {
    return core_->IsRunning();
}
DiagnosticButtons DiagnosticSession::Buttons() const {
    return core_->Buttons();
}
RunEnd DiagnosticSession::LastRunEnd() const {
    return core_->LastRunEnd();
}
const QString& DiagnosticSession::StatusText() const {
    return core_->StatusText();
}
const ResultsView& DiagnosticSession::Results() const {
    return core_->Results();
}
DiagnosticResults DiagnosticSession::ResultData() const {
    return core_->ResultData();
}
const ModelTestLimits& DiagnosticSession::Limits() const {
    return core_->Limits();
}
const RunProgress& DiagnosticSession::Progress() const {
    return core_->Progress();
}

DiagnosticSessionCore::DiagnosticSessionCore(app::SessionView& view,
                                             std::chrono::milliseconds tickLength)
    : clock_(tickLength),
      lifetime_(clock_, view, [this] { Unload(); }),
      downloadPoll_(&lifetime_.view()) {
    connect(&downloadPoll_, &app::RamDownloadPoll::finished, this,
            [this] { ramFileLoaded_ = true; });
    // The lists start empty, with their columns.
    results_ = diag::ShowResults(ResultData(), false);
    results_.identityText.clear();
    results_.sensorRows.clear();
    results_.motorRows.clear();
    ShowStatusText(text::kMakeSureEquipmentOn);
}

void DiagnosticSessionCore::StartDiagnostic() {
    if (!buttons_.start || Closing()) return;
    const app::SessionLifetime::Busy busy(lifetime_);
    packet_.InPacket = false;
    results_.identityText.clear();
    emit resultsChanged();
    ShowStatus(QString());
    SetButtons({false, false, false, false});
    running_ = true;
    testsStarted_ = false;
    greenPaperStopped_ = false;
    lastRunEnd_ = RunEnd::None;
    runStep_ = 0;
    // A close ends the run after the step in progress, without a verdict.
    while (runStep_ < kRunEnded && !Closing()) {
        QCoreApplication::processEvents();
        if (!Closing()) RunStep(runStep_);
    }
    running_ = false;
    SetProgress({});
    lifetime_.view().setMousePointer(app::MousePointer::Arrow);
    SetButtons({true, true, true, buttons_.saveCsv});
    app::Serial().ClosePort();
}

void DiagnosticSessionCore::Cancel() {
    if (!buttons_.cancel || Closing()) return;
    if (!running_) {
        lifetime_.requestClose();
        return;
    }
    clock_.stop();
    clock_.setTicks(kCancelTicks);
    StopGreenPaperTest();
}

// Cancel in the green-paper step, or the window closing then: the status
// line says FAILED and the RAM utility is told to stop its tests (0x87),
// once per run.
void DiagnosticSessionCore::StopGreenPaperTest() {
    greenPaperStopped_ = true;
    ShowStatusText(text::kFailed);
    const std::int16_t status = app::OpenRamChannel(app::CurrentPort());
    if (status != app::kSerialOk) {
        ShowStatus(app::SerialStatusText(status));
        return;
    }
    app::SendRamCommand(app::ram_command::kStopDiagnostic);
    app::Serial().ClosePort();
}

void DiagnosticSessionCore::Ok() {
    if (buttons_.ok) lifetime_.requestClose();
}

bool DiagnosticSessionCore::SaveResultsCsv(const QString& path) {
    if (!buttons_.saveCsv) return false;
    ProgramState().lastCsvPath = path;
    if (!diag::SaveResultsCsv(path, ResultData(), results_)) return false;
    ShowStatusText(text::kResultsSaved);
    return true;
}

QString DiagnosticSessionCore::DefaultCsvFileName() const {
    return diag::DefaultCsvFileName(unit_.UnitType, QDateTime::currentDateTime());
}

// The window unloads: a transfer still running is stopped, and the RAM
// utility is told to leave before the channel is closed for good.
void DiagnosticSessionCore::Unload() {
    downloadPoll_.abandon();
    const std::int16_t status = app::OpenRamChannel(app::CurrentPort());
    if (status == app::kSerialOk) {
        app::SendRamCommand(app::ram_command::kLeave);
        app::Serial().ClosePort();
    } else {
        ShowStatus(app::SerialStatusText(status));
    }
    SetButtons({false, false, false, false});
}

void DiagnosticSessionCore::RunStep(int step) {
    switch (step) {
        case 0:
            return Probe();
        case 1:
            return DownloadUtility();
        case 2:
            return EnterUtility();
        case 3:
            return SendGains();
        case 4:
            return StartTests();
        case 5:
            return TestStacker();
        case 6:
            return TestOptoWheel();
        case 7:
            return TestStraightener();
        case 8:
            return TestPaperLess();
        case 9:
            return TestGreenPaper();
        case 10:
            return ShowVerdict();
        default:
            return EndAbortedRun();
    }
}

void DiagnosticSessionCore::Fail(int textId) {
    ShowStatusText(textId);
    runStep_ += 100;
}

void DiagnosticSessionCore::ShowStatus(const QString& text) {
    statusText_ = text;
    lifetime_.view().setStatusText(text);
}

void DiagnosticSessionCore::ShowStatusText(int textId) {
    ShowStatus(app::Global::LangText(textId));
}

void DiagnosticSessionCore::ShowResults(bool evaluated) {
    results_ = diag::ShowResults(ResultData(), evaluated);
    emit resultsChanged();
}

void DiagnosticSessionCore::SetProgress(const RunProgress& progress) {
    if (progress == progress_) return;
    progress_ = progress;
    emit progressChanged();
}

// A window that is going away raises no message box.
void DiagnosticSessionCore::ShowMessageText(int textId) {
    if (Closing()) return;
    base::showMessage(app::Global::LangText(textId), base::MessageIcon::Warning);
}

void DiagnosticSessionCore::SetButtons(const DiagnosticButtons& buttons) {
    if (buttons == buttons_) return;
    buttons_ = buttons;
    emit buttonsChanged();
}

}  // namespace zav::diag
