#pragma once
// One diagnostics window without the window: the engineer's buttons, the
// automatic run with its steps, waits, status texts and messages, and the
// results its label and two list views show. Everything runs on the
// user-interface thread; the run's waits block in local event loops, so
// Cancel and the timers keep working while a run is in progress.
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>

#include "zav/app/session_view.h"
#include "zav/diag/model_test_limits.h"
#include "zav/diag/results_model.h"

namespace zav::diag {

// The tick of every wait of the program's diagnostics window.
constexpr std::chrono::milliseconds kProgramTick{100};

// Which of the window's buttons are enabled.
struct DiagnosticButtons {
    bool start = true;  // Start Diagnostic
    bool ok = true;
    bool cancel = true;
    bool saveCsv = false;
    friend bool operator==(const DiagnosticButtons&, const DiagnosticButtons&) = default;
};

// What the window shows beside the status line while the run waits.
struct RunProgress {
    // The RAM utility's download: blocks of the image sent so far, of
    // blocksTotal; blocksTotal 0 while no download runs.
    std::int32_t blocksSent = 0;
    std::int32_t blocksTotal = 0;
    // Whole seconds left of the green-paper step's limit; -1 while the run
    // does not wait for the green paper.
    int greenPaperSecondsLeft = -1;
    friend bool operator==(const RunProgress&, const RunProgress&) = default;
};

// How the last run ended.
enum class RunEnd {
    None,          // no run yet, or one in progress
    NotTested,     // it ended before the validator started its tests
    TestsAborted,  // a test step went unanswered, or no green paper came
    Cancelled,     // the engineer cancelled the green-paper step
    Passed,        // the verdict: every row passed
    Failed,        // the verdict: some row failed
};

class DiagnosticSessionCore;

class DiagnosticSession : public QObject {
    Q_OBJECT
  public:
    // The window as it loads: status text 32, Save disabled, the RAM utility
    // not loaded by this window. `view` gets the status line and the mouse
    // pointer until the session is deleted; `tickLength` is the tick every
    // wait counts in.
    explicit DiagnosticSession(app::SessionView& view,
                               std::chrono::milliseconds tickLength = kProgramTick,
                               QObject* parent = nullptr);
    // Asks for the close (see requestClose); safe also during one of the
    // session's waits, which then ends at its next check and unloads without
    // this object or its view.
    ~DiagnosticSession() override;

    // Start Diagnostic: runs one whole diagnostic on the current port and
    // returns when it has ended. Does nothing while the button is disabled
    // (during a run, or after the session was closed).
    void StartDiagnostic();
    // Cancel: during the green-paper step it stops the run (text 73, byte
    // 0x87 to the RAM utility); while no run is active it closes the
    // session. Does nothing while the button is disabled.
    void Cancel();
    // OK: closes the session. Does nothing while the button is disabled.
    void Ok();
    // The window goes away however it was closed: the unload (0x82 on the
    // raw channel, then the channel closed) runs once, now or, during a run,
    // as soon as the run's wait in progress has ended, and closed() follows.
    // In the green-paper step the run first ends as Cancel ends it (text 73,
    // 0x87). Safe at any time, also from inside the session's waits.
    void requestClose();
    // Save: writes the results file to `path` (the save dialog is the
    // window's). Returns true and shows text 88 on the status line when it
    // was written; shows text 89 and returns false when not. Does nothing
    // and returns false while the button is disabled.
    bool SaveResultsCsv(const QString& path);
    // The file name the save dialog proposes now.
    QString DefaultCsvFileName() const;

    // The identification step alone, with its status texts and messages:
    // true when the unit and its sensor, motor, firmware and dataset data
    // were read. Sets the program-wide SensorDataLoaded either way.
    bool GetRXSensorData();

    bool IsClosed() const;
    bool IsRunning() const;
    DiagnosticButtons Buttons() const;
    RunEnd LastRunEnd() const;
    const QString& StatusText() const;
    // The label and the two list views as the window shows them now.
    const ResultsView& Results() const;
    // Everything the results file and reports are made from.
    DiagnosticResults ResultData() const;
    const ModelTestLimits& Limits() const;
    const RunProgress& Progress() const;

  signals:
    void buttonsChanged();
    void resultsChanged();
    void progressChanged();
    // The window unloads: it re-enables the main window's menus and toolbar
    // and drops the session (deleteLater).
    void closed();

  private:
    std::shared_ptr<DiagnosticSessionCore> core_;
};

// Program-wide: the sensor data of a unit were read by the last
// identification (true) or it failed (false). Outlives every session, so a
// later run can skip identification and download while the RAM utility
// still runs.
bool SensorDataLoaded();

// Program-wide: the path the results were last saved to (empty before).
QString LastCsvPath();

}  // namespace zav::diag
