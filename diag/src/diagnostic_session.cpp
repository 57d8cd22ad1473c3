// The diagnostics window's logic: its buttons, the run loop, Cancel,
// closing and saving. The steps of the run are in diagnostic_steps.cpp.
#include "zav/diag/diagnostic_session.h"

#include <QCoreApplication>
#include <QDateTime>

#include "diagnostic_texts.h"
#include "program_state.h"
#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/app/messages.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"
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
    : QObject(parent), view_(view), clock_(tickLength), downloadPoll_(&view) {
    connect(&downloadPoll_, &app::RamDownloadPoll::finished, this,
            [this] { ramFileLoaded_ = true; });
    // The lists start empty, with their columns.
    results_ = diag::ShowResults(ResultData(), false);
    results_.identityText.clear();
    results_.sensorRows.clear();
    results_.motorRows.clear();
    ShowStatusText(text::kMakeSureEquipmentOn);
}

DiagnosticSession::~DiagnosticSession() = default;

void DiagnosticSession::StartDiagnostic() {
    if (!buttons_.start) return;
    packet_.InPacket = false;
    results_.identityText.clear();
    emit resultsChanged();
    ShowStatus(QString());
    SetButtons({false, false, false, false});
    running_ = true;
    testsStarted_ = false;
    lastRunEnd_ = RunEnd::None;
    runStep_ = 0;
    while (runStep_ < kRunEnded && !closeRequested_) {
        QCoreApplication::processEvents();
        RunStep(runStep_);
    }
    running_ = false;
    SetProgress({});
    view_.setMousePointer(app::MousePointer::Arrow);
    app::Serial().ClosePort();
    if (closeRequested_) {
        Close();
        return;
    }
    SetButtons({true, true, true, buttons_.saveCsv});
}

void DiagnosticSession::Cancel() {
    if (!buttons_.cancel) return;
    if (!running_) {
        Close();
        return;
    }
    ShowStatusText(text::kFailed);
    StopGreenPaperWait();
}

void DiagnosticSession::Ok() {
    if (buttons_.ok) Close();
}

void DiagnosticSession::RequestClose() {
    if (closed_ || closeRequested_) return;
    if (!running_) {
        Close();
        return;
    }
    closeRequested_ = true;
    downloadPoll_.stop();
    if (runStep_ == 9) {
        StopGreenPaperWait();
    } else {
        clock_.stop();
        clock_.setTicks(kCancelTicks);
    }
}

// Ends the green-paper wait at its next check and tells the RAM utility to
// stop the diagnostic.
void DiagnosticSession::StopGreenPaperWait() {
    clock_.stop();
    clock_.setTicks(kCancelTicks);
    const std::int16_t status = app::OpenRamChannel(app::CurrentPort());
    if (status != app::kSerialOk) {
        ShowStatus(app::SerialStatusText(status));
        return;
    }
    app::SendRamCommand(app::ram_command::kStopDiagnostic);
    app::Serial().ClosePort();
}

bool DiagnosticSession::SaveResultsCsv(const QString& path) {
    if (!buttons_.saveCsv) return false;
    ProgramState().lastCsvPath = path;
    if (!diag::SaveResultsCsv(path, ResultData(), results_)) return false;
    ShowStatusText(text::kResultsSaved);
    return true;
}

QString DiagnosticSession::DefaultCsvFileName() const {
    return diag::DefaultCsvFileName(unit_.UnitType, QDateTime::currentDateTime());
}

// The window unloads: the RAM utility is told to leave before the channel
// is closed for good.
void DiagnosticSession::Close() {
    const std::int16_t status = app::OpenRamChannel(app::CurrentPort());
    if (status == app::kSerialOk) {
        app::SendRamCommand(app::ram_command::kLeave);
        app::Serial().ClosePort();
    } else {
        ShowStatus(app::SerialStatusText(status));
    }
    closed_ = true;
    SetButtons({false, false, false, false});
    emit closed();
}

void DiagnosticSession::RunStep(int step) {
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

void DiagnosticSession::Fail(int textId) {
    ShowStatusText(textId);
    runStep_ += 100;
}

void DiagnosticSession::ShowStatus(const QString& text) {
    statusText_ = text;
    view_.setStatusText(text);
}

void DiagnosticSession::ShowStatusText(int textId) {
    ShowStatus(app::Global::LangText(textId));
}

// A window that is going away raises no message box.
void DiagnosticSession::ShowMessageText(int textId) {
    if (closeRequested_) return;
    app::showMessage(app::Global::LangText(textId), app::MessageIcon::Warning);
}

void DiagnosticSession::SetProgress(const RunProgress& progress) {
    if (progress == progress_) return;
    progress_ = progress;
    emit progressChanged();
}

void DiagnosticSession::ShowResults(bool evaluated) {
    results_ = diag::ShowResults(ResultData(), evaluated);
    emit resultsChanged();
}

void DiagnosticSession::SetButtons(const DiagnosticButtons& buttons) {
    if (buttons == buttons_) return;
    buttons_ = buttons;
    emit buttonsChanged();
}

}  // namespace zav::diag
