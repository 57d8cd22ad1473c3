// The desktop program's start-up, memory and idle CPU, beside a bare
// QMainWindow program measured in the same run (offscreen platform):
//   app_program_bench [runs]
// Runs bench_bare_window and bench_program_window (window_child.cpp) in
// turn and prints the medians and ratios.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultRuns = 9;
constexpr int kIdleSeconds = 10;
constexpr double kStartUpGoal = 1.3;
constexpr double kIdleCpuGoalPercent = 0.1;

struct ChildResult {
    double wallMs = 0;
    long rssKiB = 0;
    double idleCpuSeconds = 0;
    double startCpuMs = 0;
};

ChildResult runChild(const char* program, int idleSeconds, const QString& home) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(QLatin1String(program), {QString::number(idleSeconds)});
    process.waitForFinished(idleSeconds * 1000 + 60000);
    ChildResult result;
    result.wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const QList<QByteArray> fields = process.readAllStandardOutput().simplified().split(' ');
    if (process.exitCode() != 0 || fields.size() != 6) {
        std::fprintf(stderr, "app_program_bench: %s failed\n", program);
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
    QCoreApplication application(argc, argv);
    const int runs = argc >= 2 ? std::max(1, QByteArray(argv[1]).toInt()) : kDefaultRuns;
    QTemporaryDir home;
    // Start-up to the main window shown, alternating so load hits both
    // alike. The processor time is the figure a loaded machine disturbs
    // least; the wall time runs to the child's exit.
    std::vector<double> bare, program, bareCpu, programCpu;
    for (int i = 0; i < runs; ++i) {
        const ChildResult b = runChild(ZAV_BARE_WINDOW, 0, home.path());
        const ChildResult p = runChild(ZAV_PROGRAM_WINDOW, 0, home.path());
        bare.push_back(b.wallMs);
        program.push_back(p.wallMs);
        bareCpu.push_back(b.startCpuMs);
        programCpu.push_back(p.startCpuMs);
    }
    std::printf("start-up to the main window shown, median of %d runs (goal: ratio at most %.1f)\n",
                runs, kStartUpGoal);
    std::printf("                             wall (to exit)   processor time\n");
    std::printf("  bare QMainWindow program  %8.1f ms      %8.1f ms\n", median(bare),
                median(bareCpu));
    std::printf("  ZAVDiagnostics            %8.1f ms      %8.1f ms\n", median(program),
                median(programCpu));
    std::printf("  ratio                     %8.2f         %8.2f\n", median(program) / median(bare),
                median(programCpu) / median(bareCpu));

    const ChildResult bareIdle = runChild(ZAV_BARE_WINDOW, kIdleSeconds, home.path());
    const ChildResult programIdle = runChild(ZAV_PROGRAM_WINDOW, kIdleSeconds, home.path());
    std::printf("idle main window over %d s\n", kIdleSeconds);
    std::printf("  peak RSS   bare %6ld KiB   ZAVDiagnostics %6ld KiB\n", bareIdle.rssKiB,
                programIdle.rssKiB);
    std::printf(
        "  CPU        bare %6.3f %%    ZAVDiagnostics %6.3f %% of one core (goal under %.1f %%)\n",
        bareIdle.idleCpuSeconds / kIdleSeconds * 100,
        programIdle.idleCpuSeconds / kIdleSeconds * 100, kIdleCpuGoalPercent);
    return 0;
}
