// zavdiag: the tool's command-line front end. Runs one subcommand against a
// validator on a serial port or a simulated one, printing what the windows
// would show.
#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <string_view>

#include "zav/app/current_port.h"
#include "zav/cli/printing_front_end.h"
#include "zav/cli/subcommand.h"
#include "zav/lang/startup_language.h"
#include "zav/platform/runtime_directory.h"
#include "zav/version.h"

namespace {

using zav::cli::PrintLine;

void PrintUsage(void (*print)(const QString&)) {
    print(QStringLiteral("Usage: zavdiag COMMAND [OPTIONS] | --help | --version"));
    for (const zav::cli::Subcommand& command : zav::cli::AllSubcommands()) {
        print(QStringLiteral("  zavdiag %1").arg(QString::fromUtf8(command.synopsis)));
        print(QStringLiteral("      %1").arg(QString::fromUtf8(command.summary)));
    }
    print(QStringLiteral("Exit status: 0 passed, 1 failed, 2 could not run."));
}

// A service report is drawn with Qt's painting, which needs a GUI
// application; zavdiag shows no window, so it paints offscreen. Every other
// run keeps the lighter core application.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--report") {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            zav::platform::ensure_runtime_directory();
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    // Before any thread starts, so that every thread leaves the signals to it.
    zav::cli::Interruption interruption;
    const std::unique_ptr<QCoreApplication> application = MakeApplication(argc, argv);
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
        zav::cli::PrintError((name.startsWith(u'-') ? QStringLiteral("zavdiag: unknown option ")
                                                    : QStringLiteral("zavdiag: unknown command ")) +
                             name);
        PrintUsage(&zav::cli::PrintError);
        return zav::cli::kExitCouldNotRun;
    }

    zav::cli::PrintingFrontEnd frontEnd;
    // The program's start-up: the language of the settings and the locale,
    // and the stored port.
    if (!zav::lang::startLanguage(zav::lang::LanguageEnvironment::ofThisProgram()).loaded) {
        return zav::cli::kExitCouldNotRun;
    }
    zav::app::LoadCurrentPort();
    zav::cli::Invocation invocation{arguments, frontEnd, interruption};
    return command->run(invocation);
}
