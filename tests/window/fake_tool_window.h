#pragma once
// A tool window for the main window's tests: a frame with an OK and a
// Cancel button over a session that can be made to wait for the unit, and
// a log of what the session did, in order.
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "zav/window/tool_window_frame.h"

namespace zav::test {

class FakeSessionCore;

class FakeSession : public app::ToolSession {
    Q_OBJECT
  public:
    explicit FakeSession(QStringList& log);
    ~FakeSession() override;

    // Nothing to run; the window's Wait button waits instead.
    void start() override {}
    // Waits in a local event loop until the session is asked to close.
    void waitForUnit();
    // OK: the session closes itself.
    void ok() { requestClose(); }

  private:
    FakeSession(std::shared_ptr<FakeSessionCore> core, QStringList& log);

    std::shared_ptr<FakeSessionCore> core_;
    QStringList& log_;
};

// The window: its frame, with bttnOK and bttnCancel.
zav::window::ToolWindowFrame* openFakeToolWindow(zav::window::MainWindowControls& main,
                                                 QStringList& log);

}  // namespace zav::test
