#pragma once
// One diagnostics window without the window: the engineer's buttons, the
// automatic run with its steps, waits, status texts and messages, and the
// results its label and two list views show. Everything runs on the
// user-interface thread; the run's waits block in local event loops, so
// Cancel and the timers keep working while a run is in progress.
#include <QDateTime>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>

#include "zav/app/session_view.h"
#include "zav/app/tool_session.h"
#include "zav/diag/model_test_limits.h"
#include "zav/diag/results_model.h"
#include "zav/diag/run_record.h"

namespace zav::diag {

// The window's buttons besides Start Diagnostic (start()) and Save.
enum class DiagnosticButton { Ok, Cancel };

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

class DiagnosticSessionCore;

class DiagnosticSession : public app::ToolSession {
    Q_OBJECT
  public:
    // The window as it loads: status text 32, Save disabled, the RAM utility
    // not loaded by this window. `port` is the validator's port for both
    // channels; `tickLength` is the tick every wait counts in; `view` gets
    // the status line and the mouse pointer until the session is deleted.
    DiagnosticSession(std::int16_t port, std::chrono::milliseconds tickLength,
                      app::SessionView& view, QObject* parent = nullptr);

    // Start Diagnostic: runs one whole diagnostic and returns when it has
    // ended. Does nothing while the button is disabled (during a run, or
    // after the session was closed).
    void start() override;
    // Cancel: during the green-paper step it stops the run (text 73, byte
    // 0x87 to the RAM utility); while no run is active it closes the
    // session. OK closes the session. Does nothing while the button is
    // disabled. In the green-paper step a close first ends the run as Cancel
    // ends it.
    void press(DiagnosticButton button);
    // Save: writes the results file to `path` (the save dialog is the
    // window's). Returns true and shows text 88 on the status line below the
    // run's verdict when it was written; shows text 89 with the reason and
    // returns false when not. Does nothing and returns false while the
    // button is disabled.
    bool saveResults(const QString& path);
    // The file name the save dialog proposes now.
    QString defaultCsvFileName() const;

    // The identification step alone, with its status texts and messages:
    // true when the unit and its sensor, motor, firmware and dataset data
    // were read. Sets the program-wide SensorDataLoaded either way.
    bool identify();

    bool isRunning() const;
    DiagnosticButtons buttons() const;
    RunEnd lastRunEnd() const;
    const QString& statusText() const;
    // The label and the two list views as the window shows them now.
    const ResultsView& results() const;
    // Everything the results file is made from.
    DiagnosticResults resultData() const;
    const ModelTestLimits& limits() const;
    const RunProgress& progress() const;
    // When the last run was started; invalid before the first.
    QDateTime runStarted() const;
    // The last run as it stands now, on this computer: what the service
    // report and the history are made from.
    RunRecord lastRun() const;

  signals:
    void buttonsChanged();
    void resultsChanged();
    void progressChanged();

  private:
    DiagnosticSession(std::shared_ptr<DiagnosticSessionCore> core, QObject* parent);

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
