#include "zav/window/tool_window_frame.h"

#include <QCloseEvent>

#include "zav/window/captions.h"
#include "zav/window/tool_window_parts.h"

namespace zav::window {

ToolWindowFrame::ToolWindowFrame(MainWindowControls& mainWindow, QWidget* parent)
    : QMdiSubWindow(parent), mainWindow_(mainWindow) {
    // The frame deletes itself at the end of the close path, not on close.
    setAttribute(Qt::WA_DeleteOnClose, false);
    mainWindow_.setMainMenusEnabled(false);
}

ToolWindowFrame::~ToolWindowFrame() = default;

void ToolWindowFrame::attachSession(std::unique_ptr<app::ToolSession> session) {
    session_ = std::move(session);
    connect(session_.get(), &app::ToolSession::closed, this, &ToolWindowFrame::sessionStateChanged);
}

void ToolWindowFrame::runSessionCall(const std::function<void()>& call) {
    ++callsRunning_;
    call();
    --callsRunning_;
    finishIfDone();
}

void ToolWindowFrame::sessionStateChanged() {
    if (!closing_ && sessionClosed()) {
        close();
        return;
    }
    finishIfDone();
}

void ToolWindowFrame::closeEvent(QCloseEvent* event) {
    if (finished_) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    // The frame closes itself once the session has; until then it only hides.
    event->ignore();
    hide();
    if (!closing_) {
        closing_ = true;
        if (session_ && !sessionClosed()) session_->requestClose();
    }
    finishIfDone();
}

void ToolWindowFrame::setTitle(const QString& caption) {
    setWindowTitle(withoutAccessKey(caption));
}

// The main window's area places a new child where it likes; the window
// goes where it belongs once it shows.
void ToolWindowFrame::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    PlaceToolWindow(*this);
}

bool ToolWindowFrame::sessionClosed() const {
    return !session_ || session_->isClosed();
}

void ToolWindowFrame::finishIfDone() {
    if (finished_ || !closing_ || callsRunning_ > 0 || !sessionClosed()) return;
    finished_ = true;
    // Deferred: this may run inside one of the session's own signals.
    if (session_) session_.release()->deleteLater();
    mainWindow_.setMainMenusEnabled(true);
    mainWindow_.setToolbarEnabled(true);
    emit finished();
    deleteLater();
}

}  // namespace zav::window
