#pragma once
// frmRXInitStatus, the initialise-and-status window: a thin widget over an
// InitialiseSession. Start runs the session's initialisation; the caption,
// the status list and the Start button show what the session reports.
#include <QWidget>
#include <chrono>
#include <memory>

#include "zav/controls/initialise_session.h"
#include "zav/window/status_line_view.h"
#include "zav/window/tool_window_frame.h"

class QPushButton;
class QTreeWidget;

namespace zav::controls::window {

class FrmRXInitStatus : public QWidget {
    Q_OBJECT
  public:
    // The window's content inside `frame`, with its session on the current
    // port; `tickLength` is the pause of each status pass.
    FrmRXInitStatus(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength);
    ~FrmRXInitStatus() override;

    InitialiseSession& session() { return *session_; }
    // The session for the frame to own (see openToolWindow).
    std::unique_ptr<app::ToolSession> takeSession();

  private:
    void showState();
    bool showRows(int count);

    zav::window::ToolWindowFrame& frame_;
    QTreeWidget* lv1_;
    QPushButton* bttnInitStart_;
    // The window has no status line: the view carries the hourglass only.
    zav::window::StatusLineView view_;
    std::unique_ptr<InitialiseSession> owned_;  // until the frame takes it
    InitialiseSession* session_;
};

// The initialise window as an MDI child of the main window.
zav::window::ToolWindowFrame* openInitialiseWindow(
    zav::window::MainWindowControls& mainWindow,
    std::chrono::milliseconds tickLength = app::kProgramTick);

}  // namespace zav::controls::window
