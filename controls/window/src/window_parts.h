#pragma once
// What the controls and initialise windows build alike: sizes in twips,
// buttons with their language text, and the place of a tool window.
#include <QString>

class QPushButton;
class QWidget;

namespace zav::controls::window {

// 15 twips make one pixel.
int Pixels(int twips);

// A button named `name` with the language text `textId`, also its
// accessible name.
QPushButton* NewButton(const char* name, int textId, QWidget* parent);

// A tool window sits 100 twips from the top and the left of the main
// window's area.
void PlaceToolWindow(QWidget& frame);

}  // namespace zav::controls::window
