// The tool windows the main window opens: one line per window, each a
// factory of its window library that builds the ToolWindowFrame, its content
// and its session, for example
//   mainWindow.setToolWindowFactory(ToolKind::Diagnostics, &diag::window::openFrmDiag);
// An entry without a factory stays disabled.
#include "zav/program/program.h"

namespace zav::program {

void registerToolWindows(app::window::MDIFormMain& mainWindow) {
    (void)mainWindow;
}

}  // namespace zav::program
