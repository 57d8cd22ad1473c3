// zavdiag diagnose: one whole diagnostic as the diagnostics window runs it,
// then the results (as text, or as JSON with --json) and optionally the
// results file.
#include <cstdio>

#include "diagnostic_report.h"
#include "zav/cli/arguments.h"
#include "zav/cli/subcommand.h"
#include "zav/cli/target_unit.h"

namespace zav::cli {
namespace {

int RunDiagnose(Invocation& invocation) {
    QStringList& arguments = invocation.arguments;
    TargetUnit target;
    QString error;
    const bool json = TakeFlag(arguments, QStringLiteral("--json"));
    const auto csvPath = TakeValue(arguments, QStringLiteral("--csv"), &error);
    if (!error.isEmpty()) return RefuseArguments("diagnose", error);
    if (!target.Open("diagnose", arguments, Channels::RamUtility)) return kExitCouldNotRun;

    diag::DiagnosticSession session(invocation.frontEnd);
    session.StartDiagnostic();
    std::optional<QString> written;
    if (csvPath) {
        // Saving is open to the engineer only once the run has results.
        if (!session.Buttons().saveCsv) {
            PrintError(QStringLiteral("zavdiag diagnose: the run has no results to save"));
        } else if (session.SaveResultsCsv(*csvPath)) {
            written = *csvPath;
        }
    }
    // The engineer closes the window: the RAM utility is told to leave.
    session.Ok();

    if (json) {
        const QByteArray document =
            DiagnosticJson(session, invocation.frontEnd.messages(), written);
        std::fwrite(document.constData(), 1, static_cast<std::size_t>(document.size()), stdout);
        std::fflush(stdout);
    } else {
        PrintDiagnosticReport(session);
    }
    return ExitStatusOf(session.LastRunEnd());
}

}  // namespace

ZAVDIAG_SUBCOMMAND(diagnose,
                   {"diagnose",
                    "diagnose [--port N | --simulate MODEL [--fault F]... [--paper-delay S]] "
                    "[--csv FILE] [--json]",
                    "run the automatic diagnostic; print the results, optionally save them",
                    &RunDiagnose});

}  // namespace zav::cli
