// The desktop program's start-up, memory and idle CPU, beside a bare
// QMainWindow program measured in the same run (offscreen platform).
//   app_program_bench [runs]   prints the figures and the start-up ratio
// The measured programs are this executable itself in a child mode:
//   --child bare|program [--idle SECONDS]
// Each child shows its main window, and ends at once or after an idle
// period, printing its peak RSS and its processor time while idle.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "zav/app/program_directory.h"
#include "zav/program/program.h"

namespace {

constexpr int kDefaultRuns = 9;
constexpr int kIdleSeconds = 10;
constexpr double kStartUpGoal = 1.3;
constexpr double kIdleCpuGoalPercent = 0.1;

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

// Shows `window`, idles for `idleSeconds`, prints "rss <KiB> cpu <s>
// start <s>": peak RSS, processor time while idle and up to the window shown.
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

int child(int argc, char** argv, const QString& kind, int idleSeconds) {
    QApplication application(argc, argv);
    if (kind == QLatin1String("bare")) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("bare"));
        window.resize(800, 600);
        return runShown(window, idleSeconds);
    }
    QApplication::setQuitOnLastWindowClosed(false);
    zav::app::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    zav::program::Program program;
    QString error;
    if (!program.start({}, &error)) return 1;
    return runShown(program.mainWindow(), idleSeconds);
}

struct ChildResult {
    double wallMs = 0;
    long rssKiB = 0;
    double idleCpuSeconds = 0;
    double startCpuMs = 0;
};

ChildResult runChild(const QString& kind, int idleSeconds, const QString& home) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--child"), kind, QStringLiteral("--idle"), QString::number(idleSeconds)});
    process.waitForFinished(idleSeconds * 1000 + 60000);
    ChildResult result;
    result.wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const QList<QByteArray> fields = process.readAllStandardOutput().simplified().split(' ');
    if (process.exitCode() != 0 || fields.size() != 6) {
        std::fprintf(stderr, "app_program_bench: the %s child failed\n", qPrintable(kind));
        std::exit(1);
    }
    result.rssKiB = fields[1].toLong();
    result.idleCpuSeconds = fields[3].toDouble();
    result.startCpuMs = fields[5].toDouble() * 1000;
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        const int idle = argc >= 5 ? QByteArray(argv[4]).toInt() : 0;
        return child(argc, argv, QString::fromLocal8Bit(argv[2]), idle);
    }
    QCoreApplication application(argc, argv);
    const int runs = argc >= 2 ? std::max(1, QByteArray(argv[1]).toInt()) : kDefaultRuns;
    QTemporaryDir home;
    // Start-up to the main window shown, alternating so load hits both alike.
    // The processor time up to the window shown is the figure a loaded
    // machine disturbs least.
    std::vector<double> bare, program, bareCpu, programCpu;
    for (int i = 0; i < runs; ++i) {
        const ChildResult b = runChild(QStringLiteral("bare"), 0, home.path());
        const ChildResult p = runChild(QStringLiteral("program"), 0, home.path());
        bare.push_back(b.wallMs);
        program.push_back(p.wallMs);
        bareCpu.push_back(b.startCpuMs);
        programCpu.push_back(p.startCpuMs);
    }
    std::printf(
        "start-up to the main window shown, median of %d runs (goal: ratio at most %.1f):\n", runs,
        kStartUpGoal);
    std::printf("                             wall (to exit)   processor time\n");
    std::printf("  bare QMainWindow program  %8.1f ms      %8.1f ms\n", median(bare),
                median(bareCpu));
    std::printf("  ZAVDiagnostics            %8.1f ms      %8.1f ms\n", median(program),
                median(programCpu));
    std::printf("  ratio                     %8.2f         %8.2f\n", median(program) / median(bare),
                median(programCpu) / median(bareCpu));

    const ChildResult bareIdle = runChild(QStringLiteral("bare"), kIdleSeconds, home.path());
    const ChildResult programIdle = runChild(QStringLiteral("program"), kIdleSeconds, home.path());
    std::printf("idle main window over %d s:\n", kIdleSeconds);
    std::printf("  peak RSS   bare %6ld KiB   ZAVDiagnostics %6ld KiB\n", bareIdle.rssKiB,
                programIdle.rssKiB);
    const double barePercent = bareIdle.idleCpuSeconds / kIdleSeconds * 100;
    const double programPercent = programIdle.idleCpuSeconds / kIdleSeconds * 100;
    std::printf(
        "  CPU        bare %6.3f %%      ZAVDiagnostics %6.3f %% of one core (goal under "
        "%.1f %%)\n",
        barePercent, programPercent, kIdleCpuGoalPercent);
    return 0;
}
