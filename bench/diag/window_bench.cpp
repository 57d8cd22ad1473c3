// A whole simulated TM6 diagnostic driven through the diagnostics window at
// the program's own 100 ms tick: its wall time against the fixed waits the
// run must make (the pauses of the entry and start-of-tests steps, the
// 5-tick probe, the link library's settling pause after each of the three
// port openings of the identification, and the simulated engineer's
// green-paper delay: the floor of zavdiag's benchmark), its processor time
// (program and in-process simulator) as a share of the wall time, and the
// largest gap of a 10 ms heartbeat on the user-interface thread; then the
// heartbeat through a run against a unit that answers nothing. Goals: wall
// at most 1.03 times the floor, processor under 3 %, gaps under 50 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdio>
#include <string>

#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"
#include "zav/diag/window/frm_diag.h"
#include "zav/lang/language_module.h"
#include "zav/lang/language_text.h"
#include "zav/lang/module_files.h"
#include "zav/sim/simulator.h"
#include "zav/test/cpu_time.h"
#include "zav/test/heartbeat.h"
#include "zav/test/message_recorder.h"
#include "zav/test/no_main_window.h"

namespace {

constexpr std::int16_t kPort = 116;
constexpr double kTickSeconds = 0.1;
constexpr double kFixedPauseTicks = 10 + 10 + 10;  // entry: 2 pauses; start of tests: 1
constexpr double kProbeTicks = 5;
constexpr double kPortOpeningsSeconds = 3 * 0.1;
constexpr qint64 kGapGoalMs = 50;

struct Measure {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    qint64 largestGapMs = 0;
    QString status;
};

// One run of the window against a simulated TM6 with `fault` (zavsim's
// syntax), or a healthy one.
Measure RunWindow(const char* fault) {
    zav::sim::Options options;
    options.model = "TM6";
    options.test_step_ms = 0;
    zav::sim::Simulator unit(options);
    std::string why;
    if (fault && !unit.add_fault_text(fault, &why)) {
        std::fprintf(stderr, "fault %s: %s\n", fault, why.c_str());
        return {};
    }
    if (!unit.start()) return {};
    unit.export_port(kPort);
    zav::app::SetCurrentPort(kPort);

    zav::test::NoMainWindow main;
    auto* frame = zav::diag::window::openDiagnosticsWindow(main);
    frame->show();
    auto* start = frame->findChild<QPushButton*>(QStringLiteral("bttnDIAG"));
    Measure measure;
    const double cpuBefore = zav::test::processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    {
        const zav::test::Heartbeat heartbeat;
        start->click();
        measure.largestGapMs = heartbeat.largestGapMs();
    }
    measure.wallSeconds = static_cast<double>(wall.elapsed()) / 1000.0;
    measure.cpuSeconds = zav::test::processCpuSeconds() - cpuBefore;
    measure.status = frame->findChild<zav::diag::window::FrmDiag*>()->session().statusText();
    frame->close();
    QApplication::processEvents();
    zav::app::Link().CloseComm();
    zav::app::Serial().ClosePort();
    return measure;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    zav::base::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    const QString en = QStringLiteral("en");
    zav::lang::installLanguageModule(
        zav::lang::LanguageModule::create(
            zav::lang::findModuleFile(zav::lang::defaultModuleDirectory(), en),
            QStringLiteral("kvo_lang_en.clsResources")),
        en);
    // Messages are kept, not shown.
    const zav::test::MessageRecorder messages;

    const double paperDelay = zav::sim::Options{}.paper_delay_ms / 1000.0;
    const double floor = kFixedPauseTicks * kTickSeconds + paperDelay + kProbeTicks * kTickSeconds +
                         kPortOpeningsSeconds;
    const Measure healthy = RunWindow(nullptr);
    const double cpuShare = 100 * healthy.cpuSeconds / healthy.wallSeconds;
    std::printf("TM6 through the window: %s\n", qPrintable(healthy.status.trimmed()));
    std::printf("  wall %.2f s, floor %.2f s: %.3f times (goal at most 1.03)\n",
                healthy.wallSeconds, floor, healthy.wallSeconds / floor);
    std::printf("  processor %.3f s: %.2f %% of wall (goal under 3 %%)\n", healthy.cpuSeconds,
                cpuShare);
    std::printf("  largest heartbeat gap %lld ms (goal under %lld ms)\n",
                static_cast<long long>(healthy.largestGapMs), static_cast<long long>(kGapGoalMs));
    const Measure silent = RunWindow("noreply");
    std::printf("silent unit through the window: %.1f s, \"%s\"\n", silent.wallSeconds,
                qPrintable(silent.status));
    std::printf("  largest heartbeat gap %lld ms (goal under %lld ms)\n",
                static_cast<long long>(silent.largestGapMs), static_cast<long long>(kGapGoalMs));
    return 0;
}
