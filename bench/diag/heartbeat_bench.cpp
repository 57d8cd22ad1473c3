// The largest gap between the ticks of a 10 ms timer on the user-interface
// thread while the diagnostic session runs a whole simulated diagnostic at
// the program's own tick: of a healthy TM6, and of a unit that answers
// nothing (its SYNC goes unanswered through every retry on the link
// worker). Beside each, the floor: the largest gap of the same timer on an
// idle event loop for as long. Goal: no gap above 50 ms, so a window never
// stops repainting.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/sim/simulator.h"
#include "zav/test/heartbeat.h"
#include "zav/test/message_recorder.h"

namespace {

using zav::test::Heartbeat;

constexpr std::int16_t kPort = 113;
constexpr qint64 kGoalMs = 50;

class SilentView final : public zav::app::SessionView {
  public:
    void setStatusText(const QString&) override {}
    void setMousePointer(zav::app::MousePointer) override {}
};

struct Measure {
    qint64 wallMs = 0;
    qint64 largestGapMs = 0;
    bool passed = false;
};

Measure Diagnose(const char* fault) {
    zav::sim::Options options;
    options.model = "TM6";
    options.paper_delay_ms = 0;
    zav::sim::Simulator unit(options);
    std::string why;
    if (fault && !unit.add_fault_text(fault, &why)) {
        std::fprintf(stderr, "fault %s: %s\n", fault, why.c_str());
        return {};
    }
    if (!unit.start(&why)) {
        std::fprintf(stderr, "simulator: %s\n", why.c_str());
        return {};
    }
    unit.export_port(kPort);
    zav::app::SetCurrentPort(kPort);

    SilentView view;
    zav::diag::DiagnosticSession session(zav::app::CurrentPort(), zav::app::kProgramTick, view);
    QElapsedTimer wall;
    wall.start();
    Measure measure;
    {
        const Heartbeat heartbeat;
        session.start();
        measure.largestGapMs = heartbeat.largestGapMs();
    }
    measure.wallMs = wall.elapsed();
    measure.passed = session.lastRunEnd() == zav::diag::RunEnd::Passed;
    session.press(zav::diag::DiagnosticButton::Ok);
    zav::app::Link().CloseComm();
    zav::app::Serial().ClosePort();
    return measure;
}

void Report(const char* name, const Measure& measure) {
    const qint64 floor = zav::test::idleGapFloorMs(measure.wallMs);
    std::printf("%-34s %7.1f s  largest gap %4lld ms  (idle floor %3lld ms, goal < %lld ms)  %s\n",
                name, static_cast<double>(measure.wallMs) / 1000.0,
                static_cast<long long>(measure.largestGapMs), static_cast<long long>(floor),
                static_cast<long long>(kGoalMs), measure.largestGapMs < kGoalMs ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    zav::base::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    // Messages are kept, not shown.
    const zav::test::MessageRecorder messages;

    const Measure healthy = Diagnose(nullptr);
    Report(healthy.passed ? "TM6 diagnostic (PASSED)" : "TM6 diagnostic (did not pass!)", healthy);
    Report("silent unit (nothing answers)", Diagnose("noreply"));
    return 0;
}
