// The diagnostics window's logic: its buttons, the run loop, Cancel,
// closing and saving. The steps of the run are in diagnostic_steps.cpp.
#include "zav/diag/diagnostic_session.h"

#include <QCoreApplication>
#include <QDateTime>

#include "diagnostic_session_core.h"
#include "program_state.h"
#include "zav/app/global.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"
#include "zav/base/messages.h"
#include "zav/diag/results_csv.h"
#include "zav/lang/text_ids.h"
#include "zav/platform/system.h"

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

DiagnosticSession::DiagnosticSession(std::int16_t port, std::chrono::milliseconds tickLength,
                                     app::SessionView& view, QObject* parent)
    : DiagnosticSession(std::make_shared<DiagnosticSessionCore>(port, tickLength, view), parent) {}

DiagnosticSession::DiagnosticSession(std::shared_ptr<DiagnosticSessionCore> core, QObject* parent)
    : ToolSession(core, parent), core_(std::move(core)) {
    connect(core_.get(), &DiagnosticSessionCore::buttonsChanged, this,
            &DiagnosticSession::buttonsChanged);
    connect(core_.get(), &DiagnosticSessionCore::resultsChanged, this,
            &DiagnosticSession::resultsChanged);
    connect(core_.get(), &DiagnosticSessionCore::progressChanged, this,
            &DiagnosticSession::progressChanged);
}

// Whatever may wait holds the core, so it outlives this session if that is
// deleted meanwhile.
void DiagnosticSession::start() {
    const auto core = core_;
    core->start();
}

void DiagnosticSession::press(DiagnosticButton button) {
    const auto core = core_;
    switch (button) {
        case DiagnosticButton::Ok:
            return core->ok();
        case DiagnosticButton::Cancel:
            return core->cancel();
    }
}

bool DiagnosticSession::saveResults(const QString& path) {
    return core_->saveResults(path);
}

QString DiagnosticSession::defaultCsvFileName() const {
    return core_->defaultCsvFileName();
}

bool DiagnosticSession::identify() {
    const auto core = core_;
    return core->identify();
}

bool DiagnosticSession::isRunning() const {
    return core_->isRunning();
}
DiagnosticButtons DiagnosticSession::buttons() const {
    return core_->buttons();
}
RunEnd DiagnosticSession::lastRunEnd() const {
    return core_->lastRunEnd();
}
const QString& DiagnosticSession::statusText() const {
    return core_->statusText();
}
const ResultsView& DiagnosticSession::results() const {
    return core_->results();
}
DiagnosticResults DiagnosticSession::resultData() const {
    return core_->resultData();
}
const ModelTestLimits& DiagnosticSession::limits() const {
    return core_->limits();
}
const RunProgress& DiagnosticSession::progress() const {
    return core_->progress();
}
QDateTime DiagnosticSession::runStarted() const {
    return core_->runStarted();
}
RunRecord DiagnosticSession::lastRun() const {
    return core_->lastRun();
}

DiagnosticSessionCore::DiagnosticSessionCore(std::int16_t port,
                                             std::chrono::milliseconds tickLength,
                                             app::SessionView& view)
    : port_(port),
      clock_(tickLength),
      lifetime_(clock_, view, [this] { unload(); }),
      downloadPoll_(&lifetime_.view()) {
    connect(&downloadPoll_, &app::RamDownloadPoll::finished, this,
            [this] { ramFileLoaded_ = true; });
    // The lists start empty, with their columns.
    results_ = diag::ShowResults(resultData(), false);
    results_.identityText.clear();
    results_.sensorRows.clear();
    results_.motorRows.clear();
    showStatusText(lang::text::kMakeSureEquipmentOn);
}

void DiagnosticSessionCore::start() {
    if (!buttons_.start || closing()) return;
    const app::SessionLifetime::Busy busy(lifetime_);
    runStarted_ = QDateTime::currentDateTime();
    packet_.InPacket = false;
    results_.identityText.clear();
    emit resultsChanged();
    showStatus(QString());
    setButtons({false, false, false, false});
    running_ = true;
    testsStarted_ = false;
    greenPaperStopped_ = false;
    lastRunEnd_ = RunEnd::None;
    runStep_ = RunStep::Probe;
    // A close ends the run after the step in progress, without a verdict.
    while (runStep_ != RunStep::Ended && !closing()) {
        QCoreApplication::processEvents();
        if (!closing()) runStep(runStep_);
    }
    running_ = false;
    runEndStatus_ = statusText_;
    setProgress({});
    lifetime_.view().setMousePointer(app::MousePointer::Arrow);
    setButtons({true, true, true, buttons_.saveCsv});
    app::Serial().ClosePort();
}

void DiagnosticSessionCore::cancel() {
    if (!buttons_.cancel || closing()) return;
    if (!running_) {
        lifetime_.requestClose();
        return;
    }
    clock_.stop();
    clock_.setTicks(kCancelTicks);
    stopGreenPaperTest();
}

// Cancel in the green-paper step, or the window closing then: the status
// line says FAILED and the RAM utility is told to stop its tests (0x87),
// once per run.
void DiagnosticSessionCore::stopGreenPaperTest() {
    greenPaperStopped_ = true;
    showStatusText(lang::text::kFailed);
    const std::int16_t status = app::OpenRamChannel(port_);
    if (status != app::kSerialOk) {
        showStatus(app::SerialStatusText(status));
        return;
    }
    app::SendRamCommand(app::ram_command::kStopDiagnostic);
    app::Serial().ClosePort();
}

void DiagnosticSessionCore::ok() {
    if (buttons_.ok) lifetime_.requestClose();
}

bool DiagnosticSessionCore::saveResults(const QString& path) {
    if (!buttons_.saveCsv) return false;
    ProgramState().lastCsvPath = path;
    if (!diag::SaveResultsCsv(path, resultData(), results_)) return false;
    // The run's verdict (or why it stopped) stays on the line, text 88 below.
    const QString saved = app::Global::LangText(lang::text::kResultsSaved);
    showStatus(runEndStatus_.isEmpty() ? saved : runEndStatus_ + u'\n' + saved);
    return true;
}

QString DiagnosticSessionCore::defaultCsvFileName() const {
    return diag::DefaultCsvFileName(unit_.UnitType, QDateTime::currentDateTime());
}

RunRecord DiagnosticSessionCore::lastRun() const {
    return {unit_,         version_,    dataset_,
            table_,        results_,    lastRunEnd_,
            runEndStatus_, runStarted_, QString::fromLocal8Bit(platform::host_name())};
}

// The window unloads: a transfer still running is stopped, and the RAM
// utility is told to leave before the channel is closed for good.
void DiagnosticSessionCore::unload() {
    downloadPoll_.abandon();
    const std::int16_t status = app::OpenRamChannel(port_);
    if (status == app::kSerialOk) {
        app::SendRamCommand(app::ram_command::kLeave);
        app::Serial().ClosePort();
    } else {
        showStatus(app::SerialStatusText(status));
    }
    setButtons({false, false, false, false});
}

void DiagnosticSessionCore::runStep(RunStep step) {
    switch (step) {
        case RunStep::Probe:
            return probe();
        case RunStep::Download:
            return downloadUtility();
        case RunStep::Enter:
            return enterUtility();
        case RunStep::Gains:
            return sendGains();
        case RunStep::StartTests:
            return startTests();
        case RunStep::Stacker:
            return testStacker();
        case RunStep::OptoWheel:
            return testOptoWheel();
        case RunStep::Straightener:
            return testStraightener();
        case RunStep::PaperLess:
            return testPaperLess();
        case RunStep::GreenPaper:
            return testGreenPaper();
        case RunStep::Verdict:
            return showVerdict();
        default:  // a failed step, or Cancelled
            return endAbortedRun();
    }
}

void DiagnosticSessionCore::fail(int textId) {
    showStatusText(textId);
    abortStep();
}

void DiagnosticSessionCore::abortStep() {
    runStep_ = static_cast<RunStep>(static_cast<std::int16_t>(runStep_) + kFailedStep);
}

void DiagnosticSessionCore::showStatus(const QString& text) {
    statusText_ = text;
    lifetime_.view().setStatusText(text);
}

void DiagnosticSessionCore::showStatusText(int textId) {
    showStatus(app::Global::LangText(textId));
}

void DiagnosticSessionCore::showResults(bool evaluated) {
    results_ = diag::ShowResults(resultData(), evaluated);
    emit resultsChanged();
}

void DiagnosticSessionCore::setProgress(const RunProgress& progress) {
    if (progress == progress_) return;
    progress_ = progress;
    emit progressChanged();
}

// A window that is going away raises no message box.
void DiagnosticSessionCore::showMessageText(int textId) {
    showMessage(app::Global::LangText(textId), base::MessageIcon::Warning);
}

void DiagnosticSessionCore::showMessage(const QString& text, base::MessageIcon icon) {
    if (!closing()) base::showMessage(text, icon);
}

void DiagnosticSessionCore::setButtons(const DiagnosticButtons& buttons) {
    if (buttons == buttons_) return;
    buttons_ = buttons;
    emit buttonsChanged();
}

}  // namespace zav::diag
