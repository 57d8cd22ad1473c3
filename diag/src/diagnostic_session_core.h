#pragma once
// The diagnostics window's state and logic behind DiagnosticSession. The
// session holds it, and so does every run or wait in progress, so it
// outlives a session deleted during a wait until its unload has run.
#include <QDateTime>
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <span>

#include "ZavtekVLP.h"
#include "zav/app/ram_download_poll.h"
#include "zav/app/ram_utility_packet.h"
#include "zav/app/session_lifetime.h"
#include "zav/app/session_view.h"
#include "zav/app/tick_clock.h"
#include "zav/app/validator_data.h"
#include "zav/base/messages.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/diag/model_test_limits.h"
#include "zav/diag/result_table.h"
#include "zav/diag/results_model.h"

namespace zav::diag {

// The steps of a run, by the number they count up through. A step that
// fails adds kFailedStep to its number, which ends the run with the
// verdicts reached so far (any number above Verdict and below Ended);
// Cancel in the green-paper step makes it Cancelled.
enum class RunStep : std::int16_t {
    Probe = 0,
    Download = 1,
    Enter = 2,
    Gains = 3,
    StartTests = 4,
    Stacker = 5,
    OptoWheel = 6,
    Straightener = 7,
    PaperLess = 8,
    GreenPaper = 9,
    Verdict = 10,
    Cancelled = 250,
    Ended = 255,
};
inline constexpr std::int16_t kFailedStep = 100;

class DiagnosticSessionCore : public QObject {
    Q_OBJECT
  public:
    DiagnosticSessionCore(std::int16_t port, std::chrono::milliseconds tickLength,
                          app::SessionView& view);

    void start();
    void cancel();
    void ok();
    bool saveResults(const QString& path);
    QString defaultCsvFileName() const;
    bool identify();

    app::SessionLifetime& lifetime() { return lifetime_; }
    bool isRunning() const { return running_; }
    DiagnosticButtons buttons() const { return buttons_; }
    RunEnd lastRunEnd() const { return lastRunEnd_; }
    const QString& statusText() const { return statusText_; }
    const ResultsView& results() const { return results_; }
    DiagnosticResults resultData() const { return {unit_, version_, dataset_, table_}; }
    const ModelTestLimits& limits() const { return limits_; }
    const RunProgress& progress() const { return progress_; }
    QDateTime runStarted() const { return runStarted_; }
    RunRecord lastRun() const;

  signals:
    void buttonsChanged();
    void resultsChanged();
    void progressChanged();

  private:
    // What Cancel writes into the tick counter to end the green-paper wait.
    static constexpr std::int16_t kCancelTicks = 1000;

    bool readUnitDetails();
    void runStep(RunStep step);
    void probe();
    void downloadUtility();
    void enterUtility();
    void sendGains();
    void startTests();
    void testStacker();
    void testOptoWheel();
    void testStraightener();
    void testPaperLess();
    void testGreenPaper();
    void showVerdict();
    void endAbortedRun();

    void stopGreenPaperTest();
    bool startSensorTest(int tickLimit);
    bool waitForReply(int tickLimit);
    std::span<const std::uint8_t> packetData() const;
    bool closing() const { return lifetime_.closing(); }
    // The step in progress failed: text `textId` on the status line, or
    // what the step showed itself (abortStep), and the run ends.
    void fail(int textId);
    void abortStep();
    void unload();
    void showStatus(const QString& text);
    void showStatusText(int textId);
    void showResults(bool evaluated);
    void setButtons(const DiagnosticButtons& buttons);
    void setProgress(const RunProgress& progress);
    void showMessageText(int textId);
    void showMessage(const QString& text, base::MessageIcon icon);
    // When the port cannot be opened: one message, `failure` with the reason
    // and where to choose another port; true then.
    bool showPortProblem(const QString& failure);

    const std::int16_t port_;
    app::TickClock clock_;
    app::SessionLifetime lifetime_;
    app::RamDownloadPoll downloadPoll_;

    // The window's records: the unit, the link buffers, the result packet
    // receiver, the limits and the result table.
    app::ValidatorData unit_;
    app::VersionData version_;
    app::DatasetData dataset_;
    LinkPacket command_{};
    LinkPacket reply_{};
    app::RamUtilityPacket packet_;
    ModelTestLimits limits_;
    ResultTable table_;

    bool ramFileLoaded_ = false;
    RunStep runStep_ = RunStep::Probe;
    bool testsStarted_ = false;
    bool greenPaperStopped_ = false;  // Cancel or a close ended this run's green-paper step
    bool running_ = false;
    RunEnd lastRunEnd_ = RunEnd::None;
    QDateTime runStarted_;
    DiagnosticButtons buttons_;
    QString statusText_;
    QString runEndStatus_;  // the status line as the last run left it
    ResultsView results_;
    RunProgress progress_;
};

}  // namespace zav::diag
