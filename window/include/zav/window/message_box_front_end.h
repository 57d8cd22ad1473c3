#pragma once
// The program's one message front end: every message of every window is a
// QMessageBox titled as the core asks (the product name), with the icon it
// names and an OK button. While it lives it is the program's message sink.
//
// showMessage returns when the user has pressed OK, as the sessions expect,
// but it never blocks the event loop: the box is application-modal and the
// caller waits in a local event loop, so a session wait that raised the
// message keeps its timers and the windows keep repainting. Tests install a
// recording sink instead, so nothing they drive opens a box.
#include <QPointer>
#include <QWidget>

#include "zav/base/messages.h"

class QMessageBox;

namespace zav::window {

class MessageBoxFrontEnd final : public base::MessageSink {
  public:
    MessageBoxFrontEnd();
    ~MessageBoxFrontEnd() override;
    MessageBoxFrontEnd(const MessageBoxFrontEnd&) = delete;
    MessageBoxFrontEnd& operator=(const MessageBoxFrontEnd&) = delete;

    // Boxes are centred on this window once it exists (the main window).
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& title, const QString& text, base::MessageIcon icon) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace zav::window
