#include "zav/app/window/message_box_front_end.h"

#include <QEventLoop>
#include <QMessageBox>

namespace zav::app::window {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return QMessageBox::NoIcon;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::Warning;
}

}  // namespace

MessageBoxFrontEnd::MessageBoxFrontEnd() {
    setMessageSink(this);
}

MessageBoxFrontEnd::~MessageBoxFrontEnd() {
    setMessageSink(nullptr);
}

void MessageBoxFrontEnd::showMessage(const QString& title, const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.setAccessibleName(title);
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    // Returns at once when the program is ending, so nothing waits then.
    loop.exec();
}

}  // namespace zav::app::window
