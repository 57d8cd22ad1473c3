// The tool windows the main window opens: one line per window, each a
// factory of its window library.
#include "zav/program/program.h"

namespace zav::program {

void registerToolWindows(app::window::MDIFormMain& mainWindow) {
    (void)mainWindow;
}

}  // namespace zav::program
