// zavdiag diagnose: one whole diagnostic as the diagnostics window runs it,
// then the results (as text, or as JSON with --json) and optionally the
// results file and the service report.
#include <QCoreApplication>
#include <cstdio>

#include "diagnostic_report.h"
#include "zav/app/arguments.h"
#include "zav/app/current_port.h"
#include "zav/cli/command_target.h"
#include "zav/cli/subcommand.h"
#include "zav/diag/service_report.h"
#include "zav/history/recording.h"

namespace zav::cli {
namespace {

int RunDiagnose(Invocation& invocation) {
    QStringList& arguments = invocation.arguments;
    CommandTarget target;
    QString error;
    const bool json = app::TakeFlag(arguments, QStringLiteral("--json"));
    const auto csvPath = app::TakeValue(arguments, QStringLiteral("--csv"), &error);
    const auto reportPath = app::TakeValue(arguments, QStringLiteral("--report"), &error);
    if (error.isEmpty() && reportPath && !diag::ReportFormatOf(*reportPath)) {
        error =
            QCoreApplication::translate("zav", "the report file name must end in .pdf or .html");
    }
    if (!error.isEmpty()) return RefuseArguments("diagnose", error);
    if (!target.Open("diagnose", arguments, Channels::RamUtility)) return kExitCouldNotRun;

    diag::DiagnosticSession session(zav::app::CurrentPort(), zav::app::kProgramTick,
                                    invocation.frontEnd);
    {
        // Ctrl-C closes the window as its close box would: the wait in
        // progress ends (in the green-paper step as Cancel ends it, 0x87) and
        // the unit leaves the RAM utility (0x82).
        const InterruptHandler interrupt(invocation.interruption, [&] { session.requestClose(); });
        session.start();
    }
    history::RecordRun(history::FromDiagnostic(session.lastRun()));
    const bool interrupted = invocation.interruption.interrupted();
    std::optional<QString> written;
    if ((csvPath || reportPath) && !interrupted) {
        // Saving is open to the engineer only once the run has results.
        if (!session.buttons().saveCsv) {
            PrintError(QCoreApplication::translate(
                "zav", "zavdiag diagnose: the run has no results to save"));
        } else {
            if (csvPath && session.saveResults(*csvPath)) written = *csvPath;
            QString why;
            if (reportPath && !diag::WriteServiceReport(session.lastRun(), *reportPath, &why)) {
                PrintError(QStringLiteral("zavdiag diagnose: %1").arg(why));
            }
        }
    }
    if (json) {
        const QByteArray document =
            DiagnosticJson(session, invocation.frontEnd.messages(), written);
        std::fwrite(document.constData(), 1, static_cast<std::size_t>(document.size()), stdout);
        std::fflush(stdout);
    } else {
        PrintDiagnosticReport(session);
    }
    // The engineer closes the window: the RAM utility is told to leave. What
    // the closing window's status line shows then (the raw channel's open
    // failure, when the unit has gone) is seen by nobody; the port's line
    // says what became of the unit.
    invocation.frontEnd.showStatusLines(false);
    session.press(zav::diag::DiagnosticButton::Ok);
    if (interrupted) return invocation.interruption.EndInterrupted("diagnose");
    return ExitStatus(session.lastRunEnd() == diag::RunEnd::Passed, session.resultData().unit);
}

}  // namespace

ZAVDIAG_SUBCOMMAND(diagnose,
                   {"diagnose",
                    "diagnose [--port N | --simulate MODEL [--fault F]... [--paper-delay S]] "
                    "[--csv FILE] [--report FILE.pdf|FILE.html] [--json]",
                    QT_TRANSLATE_NOOP("zav",
                                      "run the automatic diagnostic; print the results, "
                                      "optionally save them and a service report"),
                    &RunDiagnose});

}  // namespace zav::cli
