#pragma once
// A tool window's SessionView: the session's status text on a label, and
// the hourglass as the program's wait cursor over every window.
#include <QPointer>

#include "zav/app/session_view.h"

class QLabel;

namespace zav::window {

class StatusLineView final : public app::SessionView {
  public:
    explicit StatusLineView(QLabel* statusLine);
    // Gives the arrow back if the session left the hourglass on.
    ~StatusLineView() override;
    StatusLineView(const StatusLineView&) = delete;
    StatusLineView& operator=(const StatusLineView&) = delete;

    void setStatusText(const QString& text) override;
    void setMousePointer(app::MousePointer pointer) override;

  private:
    QPointer<QLabel> statusLine_;
    bool waiting_ = false;
};

}  // namespace zav::window
