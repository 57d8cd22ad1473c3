#pragma once
// The frame of every tool window (diagnostics, controls, initialise): an MDI
// child of the main window that owns the window's session and runs one close
// path however the window closes (its OK or Cancel, its close box, the
// program ending):
//   1. the window hides at once;
//   2. the session is asked to close (once); a wait in progress ends at its
//      next check and the session unloads (0x82 sent, channels closed);
//   3. once the session says it has closed and none of its calls is still
//      running, the session is dropped, the main menus and the toolbar are
//      enabled again, finished() is emitted and the frame deletes itself.
// The main menus are disabled from the frame's construction on; the frame
// goes to its place in the main window's area when it first shows.
//
// Every call into the session that can wait (a button press, the start of
// a run) goes through runSessionCall(), so the session is never deleted
// from inside one of its waits.
#include <QMdiSubWindow>
#include <chrono>
#include <functional>
#include <memory>

#include "zav/app/tool_session.h"
#include "zav/window/main_window_controls.h"

namespace zav::window {

class ToolWindowFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit ToolWindowFrame(MainWindowControls& mainWindow, QWidget* parent = nullptr);
    ~ToolWindowFrame() override;

    // Gives the frame the window's session, which it owns from now on; its
    // closed() signal tells the frame that it has closed (by itself, after
    // its OK, or when asked to).
    void attachSession(std::unique_ptr<app::ToolSession> session);

    // Runs `call` (a call into the session). The session outlives it even
    // when the window is closed meanwhile; the close path goes on after it
    // has returned.
    void runSessionCall(const std::function<void()>& call);

    bool isClosing() const { return closing_; }

    // The window's title: a language text without its access keys (the
    // French texts carry "&" for the menus).
    void setTitle(const QString& caption);

  signals:
    // The window is gone for the user, its session dropped and the main
    // window enabled again. The frame deletes itself next.
    void finished();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The session may have closed: the close path runs if it has.
    void sessionStateChanged();
    bool sessionClosed() const;
    void finishIfDone();

    MainWindowControls& mainWindow_;
    std::unique_ptr<app::ToolSession> session_;
    int callsRunning_ = 0;
    bool closing_ = false;
    bool finished_ = false;
    bool placed_ = false;
};

// A tool window of the main window: its frame, its content (a widget
// built as Content(frame, tickLength), which makes its session and gives
// it up with takeSession()) and the session, owned by the frame.
template <typename Content>
ToolWindowFrame* openToolWindow(MainWindowControls& mainWindow,
                                std::chrono::milliseconds tickLength) {
    auto* frame = new ToolWindowFrame(mainWindow);
    auto* content = new Content(*frame, tickLength);
    frame->attachSession(content->takeSession());
    frame->setWidget(content);
    return frame;
}

}  // namespace zav::window
