#pragma once
// The program download window: a thin widget over a ProgrammingSession. The
// engineer chooses the image (the last folder remembered), the unit is
// identified, Start asks for confirmation naming both, and the progress bar,
// stage, result and firmware before and after show what the session reports.
// Cancel stops the transfer after a warning.
#include <QWidget>
#include <chrono>
#include <memory>

#include "zav/programming/programming_session.h"
#include "zav/window/status_line_view.h"
#include "zav/window/tool_window_frame.h"

class QLabel;
class QMessageBox;
class QProgressBar;
class QPushButton;

namespace zav::programming::window {

class FrmProgram : public QWidget {
    Q_OBJECT
  public:
    FrmProgram(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength);
    ~FrmProgram() override;

    ProgrammingSession& session() { return *session_; }
    std::unique_ptr<app::ToolSession> takeSession();
    // The file chosen as the dialog would choose it.
    void chooseFile(const QString& path);

  private:
    void askFile();
    void confirmStart();
    void confirmCancel();
    void showState();
    void showProgress();
    // A question with Yes and No, open without blocking; `yes` runs on Yes.
    void ask(const QString& text, const std::function<void()>& yes);

    zav::window::ToolWindowFrame& frame_;
    QPushButton* bttnFile_;
    QLabel* lblFile_;
    QLabel* lblImage_;
    QPushButton* bttnIdentify_;
    QLabel* lblUnit_;
    QProgressBar* progress_;
    QLabel* lblStage_;
    QLabel* lblResult_;
    QPushButton* bttnStart_;
    QPushButton* bttnCancel_;
    zav::window::StatusLineView view_;
    std::unique_ptr<ProgrammingSession> owned_;
    ProgrammingSession* session_;
};

zav::window::ToolWindowFrame* openProgramWindow(
    zav::window::MainWindowControls& mainWindow,
    std::chrono::milliseconds tickLength = app::kProgramTick);

}  // namespace zav::programming::window
