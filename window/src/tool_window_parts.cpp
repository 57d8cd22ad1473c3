#include "zav/window/tool_window_parts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "zav/app/global.h"
#include "zav/window/captions.h"

namespace zav::window {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kToolWindowOffsetTwips = 100;

}  // namespace

int Pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

void PlaceToolWindow(QWidget& frame) {
    frame.move(Pixels(kToolWindowOffsetTwips), Pixels(kToolWindowOffsetTwips));
}

QPushButton* NewButton(const char* name, int textId, QWidget* parent) {
    auto* button = new QPushButton(app::Global::LangText(textId), parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(withoutAccessKey(button->text()));
    return button;
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void MakeStatusLine(QLabel& label) {
    // Its name is its text, so a screen reader hears each new line; what it
    // is goes in the description.
    label.setAccessibleName(QString());
    label.setAccessibleDescription(QCoreApplication::translate("zav", "Status line"));
    label.setTextFormat(Qt::PlainText);
}

}  // namespace zav::window
