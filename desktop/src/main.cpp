// ZAVDiagnostics: the desktop program.
#include <QApplication>
#include <cstdio>

#include "zav/desktop/program.h"
#include "zav/history/recording.h"
#include "zav/platform/runtime_directory.h"

namespace {

constexpr int kExitStartFailed = 1;
constexpr int kExitBadArguments = 2;

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version answer without a window system.
    if (const auto answer = zav::desktop::commandLineAnswer(argumentsOf(argc, argv))) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        std::fputc('\n', stdout);
        return 0;
    }
    // Under su, sudo or cron Qt would warn about the runtime directory.
    zav::platform::ensure_runtime_directory();
    QApplication application(argc, argv);
    // The program ends when its main window has closed, never while a tool
    // window's session still waits for the unit.
    QApplication::setQuitOnLastWindowClosed(false);
    zav::desktop::Program program;
    QString error;
    if (!program.start(QApplication::arguments().mid(1), &error)) {
        if (error.isEmpty()) return kExitStartFailed;
        std::fprintf(stderr, "ZAVDiagnostics: %s\n", error.toLocal8Bit().constData());
        return kExitBadArguments;
    }
    QObject::connect(&program.mainWindow(), &zav::desktop::MDIFormMain::programEnded, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    program.mainWindow().show();
    const int status = QApplication::exec();
    // A run that ended just before the program keeps its place in the history.
    zav::history::WaitForRecordings();
    return status;
}
