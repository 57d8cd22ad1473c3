#pragma once
// What every tool window builds alike: sizes in twips (15 twips make one
// pixel), its place in the main window's area, and buttons with their
// language text.
class QPushButton;
class QWidget;

namespace zav::window {

// The nearest whole pixel.
int Pixels(int twips);

// A tool window sits 100 twips from the top and the left of the main
// window's area.
void PlaceToolWindow(QWidget& frame);

// A button named `name` with the language text `textId`, which is also its
// accessible name.
QPushButton* NewButton(const char* name, int textId, QWidget* parent);

}  // namespace zav::window
