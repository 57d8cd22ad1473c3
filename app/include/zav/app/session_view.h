#pragma once
// What a tool session shows besides message boxes: its one-line status and
// the mouse pointer. The windows implement it, and so do the command line
// (printing) and the tests (recording). Message boxes go through messages.h.
#include <QString>

namespace zav::app {

enum class MousePointer { Arrow, Hourglass };

class SessionView {
  public:
    virtual ~SessionView() = default;
    // Replaces the status line; an empty text clears it.
    virtual void setStatusText(const QString& text) = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
};

}  // namespace zav::app
