#pragma once
// frmRXInitStatus, the initialise-and-status window: a thin widget over an
// InitialiseSession. Start runs the session's initialisation; the caption,
// the status list and the Start button show what the session reports.
#include <QWidget>
#include <chrono>

#include "zav/controls/initialise_session.h"
#include "zav/controls/window/frm_ctrls.h"
#include "zav/window/status_line_view.h"
#include "zav/window/tool_window_frame.h"

class QPushButton;
class QTreeWidget;

namespace zav::controls::window {

class FrmRXInitStatus : public QWidget {
    Q_OBJECT
  public:
    // The window's content inside `frame`, with its session (which the
    // frame owns); `tickLength` is the pause of each status pass.
    FrmRXInitStatus(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength);

    InitialiseSession& session() { return *session_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showState();

    zav::window::ToolWindowFrame& frame_;
    QTreeWidget* lv1_;
    QPushButton* bttnInitStart_;
    // The window has no status line: the view carries the hourglass only.
    zav::window::StatusLineView view_;
    InitialiseSession* session_;
    bool placed_ = false;
};

// The initialise window as an MDI child of the main window.
zav::window::ToolWindowFrame* openInitialiseWindow(
    zav::window::MainWindowControls& mainWindow,
    std::chrono::milliseconds tickLength = kProgramTick);

}  // namespace zav::controls::window
