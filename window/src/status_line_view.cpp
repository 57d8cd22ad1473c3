#include "zav/window/status_line_view.h"

#include <QApplication>
#include <QLabel>

namespace zav::window {

StatusLineView::StatusLineView(QLabel* statusLine) : statusLine_(statusLine) {}

StatusLineView::~StatusLineView() {
    setMousePointer(app::MousePointer::Arrow);
}

void StatusLineView::setStatusText(const QString& text) {
    if (statusLine_) statusLine_->setText(text);
}

void StatusLineView::setMousePointer(app::MousePointer pointer) {
    // One override per view, however often the session repeats itself.
    const bool wait = pointer == app::MousePointer::Hourglass;
    if (wait == waiting_) return;
    waiting_ = wait;
    if (wait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace zav::window
