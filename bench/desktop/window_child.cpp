// A program measured by app_program_bench: it shows its main window, then
// ends at once or after idling, and prints
//   rss <peak RSS in KiB> cpu <processor s while idle> start <processor s to shown>
// Built twice: as bench_bare_window, a bare QMainWindow program (ZAV_BARE),
// and as bench_program_window, the desktop program's own start-up.
//   bench_*_window [IDLE_SECONDS]
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <cstdio>

#ifndef ZAV_BARE
#include "zav/base/program_directory.h"
#include "zav/desktop/program.h"
#endif

namespace {

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakRssKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

int runShown(QMainWindow& window, int idleSeconds) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const double startCpu = processorSeconds();
    double idleCpu = 0;
    if (idleSeconds > 0) {
        // Let start-up's last events settle, then measure the idle window.
        QTest::qWait(500);
        const double before = processorSeconds();
        QTimer::singleShot(idleSeconds * 1000, qApp, &QCoreApplication::quit);
        QApplication::exec();
        idleCpu = processorSeconds() - before;
    }
    std::printf("rss %ld cpu %.6f start %.6f\n", peakRssKiB(), idleCpu, startCpu);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int idleSeconds = argc >= 2 ? QByteArray(argv[1]).toInt() : 0;
#ifdef ZAV_BARE
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(800, 600);
    return runShown(window, idleSeconds);
#else
    // As main() does, from the build's program directory.
    QApplication::setQuitOnLastWindowClosed(false);
    zav::base::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    zav::desktop::Program program;
    QString error;
    if (!program.start({}, &error)) return 1;
    return runShown(program.mainWindow(), idleSeconds);
#endif
}
