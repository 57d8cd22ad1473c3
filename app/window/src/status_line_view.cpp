#include "zav/app/window/status_line_view.h"

#include <QApplication>
#include <QLabel>

namespace zav::app::window {

StatusLineView::StatusLineView(QLabel* statusLine) : statusLine_(statusLine) {}

StatusLineView::~StatusLineView() {
    setMousePointer(MousePointer::Arrow);
}

void StatusLineView::setStatusText(const QString& text) {
    if (statusLine_) statusLine_->setText(text);
}

void StatusLineView::setMousePointer(MousePointer pointer) {
    // One override per view, however often the session repeats itself.
    const bool wait = pointer == MousePointer::Hourglass;
    if (wait == waiting_) return;
    waiting_ = wait;
    if (wait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace zav::app::window
