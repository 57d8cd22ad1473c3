#pragma once
// The diagnostics window's state and logic behind DiagnosticSession. The
// session holds it, and so does every run or wait in progress, so it
// outlives a session deleted during a wait until its unload has run.
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
#include "zav/diag/diagnostic_session.h"
#include "zav/diag/model_test_limits.h"
#include "zav/diag/result_table.h"
#include "zav/diag/results_model.h"

namespace zav::diag {

class DiagnosticSessionCore : public QObject {
    Q_OBJECT
  public:
    DiagnosticSessionCore(app::SessionView& view, std::chrono::milliseconds tickLength);

    void StartDiagnostic();
    void Cancel();
    void Ok();
    bool SaveResultsCsv(const QString& path);
    QString DefaultCsvFileName() const;
    bool GetRXSensorData();

    app::SessionLifetime& Lifetime() { return lifetime_; }
    bool IsClosed() const { return lifetime_.isClosed(); }
    bool IsRunning() const { return running_; }
    DiagnosticButtons Buttons() const { return buttons_; }
    RunEnd LastRunEnd() const { return lastRunEnd_; }
    const QString& StatusText() const { return statusText_; }
    const ResultsView& Results() const { return results_; }
    DiagnosticResults ResultData() const { return {unit_, version_, dataset_, table_}; }
    const ModelTestLimits& Limits() const { return limits_; }
    const RunProgress& Progress() const { return progress_; }

  signals:
    void buttonsChanged();
    void resultsChanged();
    void progressChanged();

  private:
    // The step number that ends the run loop.
    static constexpr int kRunEnded = 255;
    // What Cancel writes into the tick counter to end the green-paper wait.
    static constexpr std::int16_t kCancelTicks = 1000;

    bool ReadUnitDetails(std::int16_t port);
    void RunStep(int step);
    void Probe();
    void DownloadUtility();
    void EnterUtility();
    void SendGains();
    void StartTests();
    void TestStacker();
    void TestOptoWheel();
    void TestStraightener();
    void TestPaperLess();
    void TestGreenPaper();
    void ShowVerdict();
    void EndAbortedRun();

    void StopGreenPaperTest();
    bool StartSensorTest(int tickLimit);
    bool WaitForReply(int tickLimit);
    std::span<const std::uint8_t> PacketData() const;
    bool Closing() const { return lifetime_.closing(); }
    void Fail(int textId);
    void Unload();
    void ShowStatus(const QString& text);
    void ShowStatusText(int textId);
    void ShowResults(bool evaluated);
    void SetButtons(const DiagnosticButtons& buttons);
    void SetProgress(const RunProgress& progress);
    void ShowMessageText(int textId);

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
    int runStep_ = 0;
    bool testsStarted_ = false;
    bool greenPaperStopped_ = false;  // Cancel or a close ended this run's green-paper step
    bool running_ = false;
    RunEnd lastRunEnd_ = RunEnd::None;
    DiagnosticButtons buttons_;
    QString statusText_;
    ResultsView results_;
    RunProgress progress_;
};

}  // namespace zav::diag
