#pragma once
// What every tool window builds alike: sizes in twips (15 twips make one
// pixel), its place in the main window's area, and buttons with their
// language text.
#include <initializer_list>

class QLabel;
class QPushButton;
class QWidget;

namespace zav::window {

// The nearest whole pixel.
int Pixels(int twips);

// A tool window sits 100 twips from the top and the left of the main
// window's area.
void PlaceToolWindow(QWidget& frame);

// A button named `name` with the language text `textId`, which is also its
// accessible name (without the access key).
QPushButton* NewButton(const char* name, int textId, QWidget* parent);

// The keyboard's order through `widgets`, first to last.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

// A label that carries a status line: plain text, whose changes reach
// assistive technology as the label's name.
void MakeStatusLine(QLabel& label);

}  // namespace zav::window
