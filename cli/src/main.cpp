// zavdiag: the tool's command-line front end. Runs one subcommand against a
// validator on a serial port or a simulated one, printing what the windows
// would show.
#include <QCoreApplication>

#include "zav/app/current_port.h"
#include "zav/cli/printing_front_end.h"
#include "zav/cli/subcommand.h"
#include "zav/lang/startup_language.h"
#include "zav/version.h"

namespace {

using zav::cli::PrintLine;

void PrintUsage(void (*print)(const QString&)) {
    print(QCoreApplication::translate("zav",
                                      "Usage: zavdiag COMMAND [OPTIONS] | --help | --version"));
    for (const zav::cli::Subcommand& command : zav::cli::AllSubcommands()) {
        print(QStringLiteral("  zavdiag %1").arg(QString::fromUtf8(command.synopsis)));
        print(QStringLiteral("      %1").arg(QCoreApplication::translate("zav", command.summary)));
    }
    print(QCoreApplication::translate(
        "zav",
        "The service report (--report) is PDF or HTML, written without a display "
        "or any graphics library."));
    print(QCoreApplication::translate("zav", "Exit status: 0 passed, 1 failed, 2 could not run."));
}

}  // namespace

int main(int argc, char** argv) {
    // Before any thread starts, so that every thread leaves the signals to it.
    zav::cli::Interruption interruption;
    // Qt Core alone: even the service report needs no display library.
    const QCoreApplication application(argc, argv);
    zav::cli::PrintingFrontEnd frontEnd;
    // The program's start-up: the language of the settings and the locale
    // (the usage speaks it too), and the stored port.
    if (!zav::lang::startLanguage(zav::lang::LanguageEnvironment::ofThisProgram()).loaded) {
        return zav::cli::kExitCouldNotRun;
    }
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        PrintUsage(&zav::cli::PrintError);
        return zav::cli::kExitCouldNotRun;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        PrintUsage(&PrintLine);
        return zav::cli::kExitPassed;
    }
    if (name == QLatin1String("--version")) {
        PrintLine(QStringLiteral("zavdiag ") + QLatin1String(zav::version::kVersion));
        return zav::cli::kExitPassed;
    }
    const zav::cli::Subcommand* command = zav::cli::FindSubcommand(name);
    if (!command) {
        zav::cli::PrintError(
            (name.startsWith(u'-')
                 ? QCoreApplication::translate("zav", "zavdiag: unknown option %1")
                 : QCoreApplication::translate("zav", "zavdiag: unknown command %1"))
                .arg(name));
        PrintUsage(&zav::cli::PrintError);
        return zav::cli::kExitCouldNotRun;
    }

    zav::app::LoadCurrentPort();
    zav::cli::Invocation invocation{arguments, frontEnd, interruption};
    return command->run(invocation);
}
