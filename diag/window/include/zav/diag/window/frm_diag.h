#pragma once
// frmDiag, the diagnostics window: a thin widget over a DiagnosticSession.
// Its buttons call the session's, and its labels, lists, progress bar and
// countdown show what the session reports; the run itself is the session's.
// Beside Save, "Report…" writes the service report of the run.
#include <QWidget>
#include <chrono>
#include <memory>

#include "zav/diag/diagnostic_session.h"
#include "zav/window/status_line_view.h"
#include "zav/window/tool_window_frame.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace zav::diag::window {

class FrmDiag : public QWidget {
    Q_OBJECT
  public:
    // The window's content inside `frame`, with its session on the current
    // port; `tickLength` is the tick of the session's waits.
    FrmDiag(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength);
    ~FrmDiag() override;

    DiagnosticSession& session() { return *session_; }
    // The session for the frame to own (see openToolWindow).
    std::unique_ptr<app::ToolSession> takeSession();

  private:
    void buildControls();
    void showButtons();
    void showResults();
    void showProgress();
    void askSaveFile();
    void askReportFile();

    zav::window::ToolWindowFrame& frame_;
    QLabel* lblRXType_;
    QLabel* lblDownload_;
    QLabel* lblPaperCountdown_;
    QProgressBar* downloadProgress_;
    QTreeWidget* lvSensor_;
    QTreeWidget* lvMotor_;
    QPushButton* bttnDIAG_;
    QPushButton* bttnOK_;
    QPushButton* bttnCancel_;
    QPushButton* bttnSaveCSV_;
    QPushButton* bttnReport_;
    // Before the session: it shows its first status text as it is made.
    zav::window::StatusLineView view_;
    std::unique_ptr<DiagnosticSession> owned_;  // until the frame takes it
    DiagnosticSession* session_;
};

// A run read back from the history, read-only: the identity and the two
// lists as the diagnostics window showed them at the run's end, with Save
// (the results file as Save wrote it then) and Report.
class RecordedRunView : public QWidget {
    Q_OBJECT
  public:
    RecordedRunView(RunRecord run, QWidget* parent);

  private:
    void askSaveFile();
    void askReportFile();

    RunRecord run_;
};

// The diagnostics window as an MDI child of the main window, placed at
// 100 twips from the top and the left, its session ready.
zav::window::ToolWindowFrame* openDiagnosticsWindow(
    zav::window::MainWindowControls& mainWindow,
    std::chrono::milliseconds tickLength = app::kProgramTick);

}  // namespace zav::diag::window
