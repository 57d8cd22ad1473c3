// zavdiag identify: identification as the diagnostics window makes it, then
// the unit's identity, its sensors' configuration and its motors.
#include <QCoreApplication>

#include "diagnostic_report.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/cli/command_target.h"
#include "zav/cli/subcommand.h"

namespace zav::cli {
namespace {

QString SensorLine(const app::ValidatorData& unit, int i) {
    using app::ValueAt;
    return QCoreApplication::translate(
               "zav",
               "%1 code %2  type %3  paper tgt %4  path tgt %5  gains %6/%7  "
               "phase delay %8  detect thresh %9  clear thresh %10")
        .arg(ValueAt(unit.SensorName, i).leftJustified(20))
        .arg(ValueAt(unit.Code, i), 3)
        .arg(QChar(ValueAt(unit.Type, i)))
        .arg(ValueAt(unit.PaperTgt, i), 3)
        .arg(ValueAt(unit.PathTgt, i), 3)
        .arg(ValueAt(unit.Gain1, i))
        .arg(ValueAt(unit.Gain2, i))
        .arg(ValueAt(unit.PhaseDelay, i), 3)
        .arg(ValueAt(unit.DetectThresh, i), 4)
        .arg(ValueAt(unit.ClearThresh, i), 4);
}

int RunIdentify(Invocation& invocation) {
    CommandTarget target;
    if (!target.Open("identify", invocation.arguments, Channels::Link)) return kExitCouldNotRun;
    diag::DiagnosticSession session(zav::app::CurrentPort(), zav::app::kProgramTick,
                                    invocation.frontEnd);
    const bool identified = session.identify();
    // The firmware and dataset requests leave the link port open.
    app::Link().CloseComm();
    if (!identified) return kExitCouldNotRun;

    const app::ValidatorData& unit = session.resultData().unit;
    PrintIdentity(session);
    PrintLine();
    for (int i = 0; i < unit.SensorCount; ++i) PrintLine(SensorLine(unit, i));
    PrintLine();
    for (int i = 0; i < unit.MotorCount; ++i) PrintLine(app::ValueAt(unit.MotorName, i));
    return kExitPassed;
}

}  // namespace

ZAVDIAG_SUBCOMMAND(identify,
                   {"identify", "identify [--port N | --simulate MODEL [--fault F]...]",
                    QT_TRANSLATE_NOOP("zav", "read the unit's identity, sensor and motor data"),
                    &RunIdentify});

}  // namespace zav::cli
