// The controls and initialise windows over simulated units, at the program's
// own tick (run with QT_QPA_PLATFORM=offscreen where there is no display):
//   - CPU time of the process (the simulator's thread included) over 10 s
//     of an open, ready controls window of a TM6, idle and while it polls a
//     sensor ten times a second; goals under 0.2 % and 1 % of one core;
//   - the largest gap of a 10 ms heartbeat on the user-interface thread
//     through the controls window's preparation and through a whole
//     initialisation, each of a healthy TM6 and of a unit that answers
//     nothing; goal under 50 ms, beside the idle floor;
//   - a whole initialisation's wall time against its fixed waits: one
//     100 ms pause per status pass, and the simulator's own progression.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <memory>
#include <string>

#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"
#include "zav/controls/window/frm_ctrls.h"
#include "zav/controls/window/frm_rx_init_status.h"
#include "zav/sim/simulator.h"
#include "zav/test/cpu_time.h"
#include "zav/test/heartbeat.h"
#include "zav/test/message_recorder.h"
#include "zav/test/no_main_window.h"
#include "zav/window/tool_window_frame.h"

namespace {

using namespace std::chrono_literals;
using zav::test::Heartbeat;
using zav::window::ToolWindowFrame;

constexpr std::int16_t kPort = 117;
constexpr qint64 kGapGoalMs = 50;
constexpr int kLimitMs = 120000;
constexpr int kStepMs = 300;

std::unique_ptr<zav::sim::Simulator> StartUnit(bool silent) {
    zav::sim::Options options{"TM6"};
    options.initialisation.step_ms = kStepMs;
    auto unit = std::make_unique<zav::sim::Simulator>(options);
    if (silent) {
        zav::sim::Fault noReply;
        noReply.kind = zav::sim::Fault::Kind::NoReply;
        unit->set_fault(zav::sim::kAnyCommand, noReply);
    }
    std::string why;
    if (!unit->start(&why)) {
        std::fprintf(stderr, "simulator: %s\n", why.c_str());
        return nullptr;
    }
    unit->export_port(kPort);
    zav::app::SetCurrentPort(kPort);
    return unit;
}

void Close(ToolWindowFrame* frame) {
    QPointer<ToolWindowFrame> alive = frame;
    frame->close();
    (void)QTest::qWaitFor([&] { return !alive; }, kLimitMs);
    zav::app::Link().CloseComm();
    zav::app::Serial().ClosePort();
}

// Percent of one core over `seconds` of the event loop (a plain one:
// QTest::qWait would wake every 10 ms itself).
double CpuPercent(int seconds) {
    const double before = zav::test::processCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (zav::test::processCpuSeconds() - before) * 100.0 / seconds;
}

void ReportGap(const char* name, qint64 wallMs, qint64 gapMs) {
    const qint64 floor = zav::test::idleGapFloorMs(std::min<qint64>(wallMs, 10000));
    std::printf("%-44s %6.1f s  largest gap %4lld ms  (idle floor %3lld ms, goal < %lld ms)  %s\n",
                name, static_cast<double>(wallMs) / 1000.0, static_cast<long long>(gapMs),
                static_cast<long long>(floor), static_cast<long long>(kGapGoalMs),
                gapMs < kGapGoalMs ? "met" : "MISSED");
}

// Opens the controls window and measures its preparation; the window stays
// open for the caller when `keep` is set.
ToolWindowFrame* Prepare(zav::test::NoMainWindow& main, bool silent, bool keep,
                         zav::sim::Simulator** out) {
    static std::unique_ptr<zav::sim::Simulator> unit;
    unit = StartUnit(silent);
    if (!unit) return nullptr;
    *out = unit.get();
    ToolWindowFrame* frame = zav::controls::window::openControlsWindow(main);
    auto* ok = frame->findChild<QPushButton*>(QStringLiteral("bttnOK"));
    QElapsedTimer wall;
    wall.start();
    qint64 gap = 0;
    {
        const Heartbeat heartbeat;
        frame->show();
        // A silent unit never gets ready: its preparation ends with the
        // buttons disabled once the download wait has run out.
        (void)QTest::qWaitFor(
            [&] {
                return ok->isEnabled() ||
                       (silent && wall.elapsed() > 1000 &&
                        frame->findChild<QLabel*>(QStringLiteral("lblFeedback"))->text() !=
                            zav::app::Global::LangText(41));
            },
            kLimitMs);
        gap = heartbeat.largestGapMs();
    }
    ReportGap(silent ? "controls preparation, silent unit" : "controls preparation, TM6",
              wall.elapsed(), gap);
    if (!keep) {
        Close(frame);
        return nullptr;
    }
    return frame;
}

void Initialise(zav::test::NoMainWindow& main, bool silent) {
    const auto unit = StartUnit(silent);
    if (!unit) return;
    ToolWindowFrame* frame = zav::controls::window::openInitialiseWindow(main);
    frame->show();
    auto* start = frame->findChild<QPushButton*>(QStringLiteral("bttnInitStart"));
    auto* list = frame->findChild<QTreeWidget*>(QStringLiteral("lv1"));
    QElapsedTimer wall;
    wall.start();
    qint64 gap = 0;
    {
        const Heartbeat heartbeat;
        start->click();  // returns at the run's end
        gap = heartbeat.largestGapMs();
    }
    const qint64 wallMs = wall.elapsed();
    ReportGap(silent ? "initialisation, silent unit" : "initialisation, TM6", wallMs, gap);
    if (!silent) {
        const std::size_t passes = unit->frames_received(zav::sim::expansion(0x76));
        const int sensors = list->topLevelItemCount();
        // The last sensor starts half a step after the one before and passes
        // four stages before the unit reports the end.
        const double progressionMs = (sensors - 1) * kStepMs / 2.0 + 4.0 * kStepMs;
        const double pausesMs = 100.0 * static_cast<double>(passes > 0 ? passes - 1 : 0);
        std::printf(
            "initialisation wall time %.2f s: %zu status passes, pauses %.2f s (ratio %.2f), "
            "simulator progression %.2f s (ratio %.2f)\n",
            wallMs / 1000.0, passes, pausesMs / 1000.0, wallMs / pausesMs, progressionMs / 1000.0,
            wallMs / progressionMs);
    }
    Close(frame);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zav::base::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    // Messages are kept, not shown.
    const zav::test::MessageRecorder messages;
    zav::test::NoMainWindow main;
    zav::sim::Simulator* unit = nullptr;

    if (ToolWindowFrame* frame = Prepare(main, false, true, &unit)) {
        QTest::qWait(500);
        std::printf(
            "controls window ready, idle:      %.3f %% of one core over 10 s (goal < 0.2 %%)\n",
            CpuPercent(10));
        auto* sensors = frame->findChild<QTreeWidget*>(QStringLiteral("lvSensor"));
        sensors->setCurrentItem(sensors->topLevelItem(2));
        frame->findChild<QPushButton*>(QStringLiteral("bttnPingSensor"))->click();
        const std::size_t before = unit->raw_commands_received(0xC2);
        std::printf("controls window polling 10/s:     %.3f %% of one core over 10 s (goal < 1 %%)",
                    CpuPercent(10));
        std::printf(", %zu requests\n", unit->raw_commands_received(0xC2) - before);
        Close(frame);
    }
    Prepare(main, true, false, &unit);
    Initialise(main, false);
    Initialise(main, true);
    return 0;
}
