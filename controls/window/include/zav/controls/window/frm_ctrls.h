#pragma once
// frmCtrls, the controls window: a thin widget over a ControlsSession. Its
// buttons press the session's, its sensor list selects the polled sensor,
// and its frames, buttons, reading bar and label show the session's panel.
// The preparation starts as soon as the window shows.
#include <QWidget>
#include <array>
#include <chrono>
#include <memory>

#include "zav/controls/controls_session.h"
#include "zav/window/status_line_view.h"
#include "zav/window/tool_window_frame.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace zav::controls::window {

class FrmCtrls : public QWidget {
    Q_OBJECT
  public:
    // The window's content inside `frame`, with its session on the current
    // port; `tickLength` is the tick of the session's waits and poll.
    FrmCtrls(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength);
    ~FrmCtrls() override;

    ControlsSession& session() { return *session_; }
    // The session for the frame to own (see openToolWindow).
    std::unique_ptr<app::ToolSession> takeSession();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    QGroupBox* newGroup(Group group, const char* name, int textId);
    void addButton(Control control, const char* name, int textId);
    void showPanel();
    void showSensors();
    void sensorSelected();

    zav::window::ToolWindowFrame& frame_;
    std::array<QPushButton*, kControlCount> buttons_{};
    std::array<QGroupBox*, kGroupCount> groups_{};
    QTreeWidget* lvSensor_;
    QProgressBar* barSensorReading_;
    QLabel* lblSensorVal_;
    QLabel* lblFeedback_;
    // Before the session: it shows its first status text as it is made.
    zav::window::StatusLineView view_;
    std::unique_ptr<ControlsSession> owned_;  // until the frame takes it
    ControlsSession* session_;
    QStringList shownSensors_;
    bool started_ = false;
};

// The controls window as an MDI child of the main window, its session
// ready to prepare when the window shows.
zav::window::ToolWindowFrame* openControlsWindow(
    zav::window::MainWindowControls& mainWindow,
    std::chrono::milliseconds tickLength = app::kProgramTick);

}  // namespace zav::controls::window
