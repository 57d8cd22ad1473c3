// The tool windows the main window opens: one line per window, each a
// factory of its window library that builds the ToolWindowFrame, its content
// and its session. An entry without a factory stays disabled.
#include "zav/diag/window/frm_diag.h"
#include "zav/program/program.h"

namespace zav::program {

void registerToolWindows(app::window::MDIFormMain& mainWindow) {
    using app::window::ToolKind;
    mainWindow.setToolWindowFactory(ToolKind::Diagnostics, [](auto& main) {
        return diag::window::openDiagnosticsWindow(main);
    });
}

}  // namespace zav::program
