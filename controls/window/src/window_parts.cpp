#include "window_parts.h"

#include <QPushButton>

#include "zav/app/global.h"

namespace zav::controls::window {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kWindowOffsetTwips = 100;

}  // namespace

int Pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QPushButton* NewButton(const char* name, int textId, QWidget* parent) {
    auto* button = new QPushButton(app::Global::LangText(textId), parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(button->text());
    return button;
}

void PlaceToolWindow(QWidget& frame) {
    frame.move(Pixels(kWindowOffsetTwips), Pixels(kWindowOffsetTwips));
}

}  // namespace zav::controls::window
