#include "zav/window/tool_window_parts.h"

#include <QPushButton>

#include "zav/app/global.h"

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
    button->setAccessibleName(button->text());
    return button;
}

}  // namespace zav::window
