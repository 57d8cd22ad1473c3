// The tool windows the main window opens: one line per window, each a
// factory of its window library.
#include "zav/controls/window/frm_ctrls.h"
#include "zav/controls/window/frm_rx_init_status.h"
#include "zav/program/program.h"

namespace zav::program {

void registerToolWindows(app::window::MDIFormMain& mainWindow) {
    using app::window::MainWindowControls;
    using app::window::ToolKind;
    mainWindow.setToolWindowFactory(ToolKind::Controls, [](MainWindowControls& main) {
        return controls::window::openControlsWindow(main);
    });
    mainWindow.setToolWindowFactory(ToolKind::Initialise, [](MainWindowControls& main) {
        return controls::window::openInitialiseWindow(main);
    });
}

}  // namespace zav::program
