#pragma once
// The desktop program ZAVDiagnostics as a whole: its command line, its
// message front end, the training mode's simulated unit and the main window
// with its tool windows. main() and the screenshot tool both run it.
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "zav/desktop/mdi_form_main.h"
#include "zav/window/message_box_front_end.h"

namespace zav::unit {
class TargetUnit;
}

namespace zav::desktop {

// What --help and --version print, for a command line that asks for either
// (nothing otherwise). Needs no window system.
std::optional<QString> commandLineAnswer(const QStringList& arguments);

class Program {
  public:
    Program();
    ~Program();  // stops a simulated unit after the windows are gone
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up with the program's arguments (without its name): the main
    // window's own start-up, then the unit this run works with, then the
    // tool windows. Returns false with a reason for the command line in
    // *error when the arguments do not parse or the simulated unit cannot
    // start, and with an empty *error when start-up has shown why it ends
    // (no language module).
    bool start(QStringList arguments, QString* error);

    zav::desktop::MDIFormMain& mainWindow() { return *mainWindow_; }

  private:
    zav::window::MessageBoxFrontEnd messages_;
    std::unique_ptr<unit::TargetUnit> unit_;
    std::unique_ptr<zav::desktop::MDIFormMain> mainWindow_;
};

// Sets each tool entry of the main window to open its window.
void registerToolWindows(zav::desktop::MDIFormMain& mainWindow);

}  // namespace zav::desktop
