#pragma once
// A tool window for the main window's tests: a frame with an OK and a
// Cancel button over a session that can be made to wait for the unit, and
// a log of what the session did, in order.
#include <QObject>
#include <QPushButton>
#include <QStringList>

#include "zav/window/tool_window_frame.h"

namespace zav::test {

class FakeSession : public QObject {
    Q_OBJECT
  public:
    explicit FakeSession(QStringList& log) : log_(log) {}
    ~FakeSession() override { log_ << QStringLiteral("session deleted"); }

    // Waits in a local event loop until the session is asked to close.
    void waitForUnit();
    // Ends a wait at its next check; unloads at once when none runs.
    void requestClose();
    // OK: the session closes itself.
    void ok() { unload(); }
    bool isClosed() const { return closed_; }

  signals:
    void closed();

  private:
    void unload();

    QStringList& log_;
    bool waiting_ = false;
    bool closeRequested_ = false;
    bool closed_ = false;
};

// The window: its frame, with bttnOK and bttnCancel.
zav::window::ToolWindowFrame* openFakeToolWindow(zav::window::MainWindowControls& main,
                                                 QStringList& log);

}  // namespace zav::test
