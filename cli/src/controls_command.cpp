// zavdiag controls: the controls window on the terminal. Prepares the unit
// as the window does, then takes the engineer's commands, typed or from a
// script on standard input.
#include <QCoreApplication>
#include <chrono>

#include "controls_console.h"
#include "zav/app/current_port.h"
#include "zav/cli/command_target.h"
#include "zav/cli/subcommand.h"
#include "zav/controls/controls_session.h"

namespace zav::cli {
namespace {

// What the prepared unit offers, for the engineer.
void PrintReadyUnit(const controls::ControlsSession& session) {
    const controls::ControlPanel& panel = session.panel();
    PrintLine(QCoreApplication::translate("zav", "Unit %1 with %2 sensors:")
                  .arg(session.validator().UnitType)
                  .arg(panel.sensors.size()));
    for (int i = 0; i < panel.sensors.size(); ++i) {
        PrintLine(QStringLiteral("  %1 %2").arg(i + 1, 2).arg(panel.sensors[i]));
    }
    QStringList groups{QStringLiteral("motor")};
    if (panel.group(controls::Group::Stacker).visible) groups << QStringLiteral("stacker");
    if (panel.group(controls::Group::Straightener).visible) {
        groups << QStringLiteral("straightener");
    }
    if (panel.group(controls::Group::BezelLed).visible) groups << QStringLiteral("bezel");
    PrintLine(QCoreApplication::translate("zav", "Controls: %1. Type help for the commands.")
                  .arg(groups.join(QStringLiteral(", "))));
}

int RunControls(Invocation& invocation) {
    CommandTarget target;
    if (!target.Open("controls", invocation.arguments, Channels::RamUtility))
        return kExitCouldNotRun;
    controls::ControlsSession session(app::CurrentPort(), app::kProgramTick, invocation.frontEnd);
    ControlsConsole console(session);
    bool ready = false;
    {
        // Ctrl-C ends preparation, a command's wait or the console as
        // closing the window does.
        const InterruptHandler interrupt(invocation.interruption, [&] { console.stop(); });
        session.start();
        // Preparation that ended early leaves every control disabled.
        ready = session.panel().usable(controls::Control::Ok);
        if (ready) {
            PrintReadyUnit(session);
            console.run();
        } else if (!invocation.interruption.interrupted()) {
            PrintError(QCoreApplication::translate(
                "zav", "zavdiag controls: the unit is not ready for the controls"));
        }
    }
    session.requestClose();
    if (invocation.interruption.interrupted()) {
        return invocation.interruption.EndInterrupted("controls");
    }
    return ExitStatus(ready, session.validator());
}

}  // namespace

ZAVDIAG_SUBCOMMAND(
    controls,
    {"controls", "controls [--port N | --simulate MODEL [--fault F]...]",
     QT_TRANSLATE_NOOP("zav",
                       "drive the unit's motor, stacker, straightener and bezel, and read its "
                       "sensors; commands from standard input"),
     &RunControls});

}  // namespace zav::cli
