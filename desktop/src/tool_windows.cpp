// The tool windows the main window opens: one line per window, each a
// factory of its window library that builds the ToolWindowFrame, its content
// and its session. An entry without a factory stays disabled.
#include "zav/controls/window/frm_ctrls.h"
#include "zav/controls/window/frm_rx_init_status.h"
#include "zav/desktop/program.h"
#include "zav/diag/window/frm_diag.h"
#include "zav/programming/window/frm_program.h"
#include "zav/history/window/frm_history.h"

namespace zav::desktop {

void registerToolWindows(zav::desktop::MDIFormMain& mainWindow) {
    using zav::desktop::ToolKind;
    mainWindow.setToolWindowFactory(ToolKind::Diagnostics, [](auto& main) {
        return diag::window::openDiagnosticsWindow(main);
    });
    mainWindow.setToolWindowFactory(
        ToolKind::Controls, [](auto& main) { return controls::window::openControlsWindow(main); });
    mainWindow.setToolWindowFactory(ToolKind::Initialise, [](auto& main) {
        return controls::window::openInitialiseWindow(main);
    });
    mainWindow.setToolWindowFactory(ToolKind::Programming, [](auto& main) {
        return programming::window::openProgramWindow(main);
    });
    mainWindow.setToolWindowFactory(ToolKind::History, [](auto& main) {
        return history::window::openHistoryWindow(
            main, [](const diag::RunRecord& run, auto* parent) {
                return new diag::window::RecordedRunView(run, parent);
            });
    });
}

}  // namespace zav::desktop
