#include "zav/window/message_box_front_end.h"

#include <QEventLoop>
#include <QMessageBox>

namespace zav::window {
namespace {

QMessageBox::Icon boxIcon(base::MessageIcon icon) {
    switch (icon) {
        case base::MessageIcon::None:
            return QMessageBox::NoIcon;
        case base::MessageIcon::Information:
            return QMessageBox::Information;
        case base::MessageIcon::Warning:
            return QMessageBox::Warning;
        case base::MessageIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::Warning;
}

}  // namespace

MessageBoxFrontEnd::MessageBoxFrontEnd() {
    base::setMessageSink(this);
}

MessageBoxFrontEnd::~MessageBoxFrontEnd() {
    base::setMessageSink(nullptr);
}

void MessageBoxFrontEnd::showMessage(const QString& title, const QString& text,
                                     base::MessageIcon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.setAccessibleName(title);
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    // Returns at once when the program is ending, so nothing waits then.
    loop.exec();
}

}  // namespace zav::window
