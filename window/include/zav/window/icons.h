#pragma once
// The program's icons: the desktop theme's where one fits, our own SVGs
// (the program's resources) otherwise.
#include <QIcon>

namespace zav::window {

QIcon programIcon();      // the window icon, also the application's
QIcon diagnosticsIcon();  // toolbar button "Diagnostics"
QIcon controlsIcon();     // toolbar button "Controls"

}  // namespace zav::window
