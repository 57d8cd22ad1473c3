// The program download window over a simulated TM6 on an emulated
// 38400-baud line (run with QT_QPA_PLATFORM=offscreen where there is no
// display): a 256 KiB main image, the transfer's wall time against the wire
// time of the bytes it sends (goal at most 1.10x; the loader's fixed 2 s
// reconnection pause is in the wall time), the process's CPU time against
// the wall (goal under 3 %), and the largest gap of a 10 ms heartbeat on
// the user-interface thread meanwhile (goal under 50 ms, beside the idle
// floor).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "zav/app/current_port.h"
#include "zav/base/program_directory.h"
#include "zav/programming/window/frm_program.h"
#include "zav/sim/simulator.h"
#include "zav/sim/stand_in_image.h"
#include "zav/test/cpu_time.h"
#include "zav/test/heartbeat.h"
#include "zav/test/message_recorder.h"
#include "zav/test/no_main_window.h"

namespace {

using zav::programming::window::FrmProgram;
using zav::test::Heartbeat;

constexpr std::int16_t kPort = 118;
constexpr std::uint32_t kBaud = 38400;
constexpr std::uint32_t kMainLength = 256 * 1024;
constexpr std::uint32_t kRamLength = 512;
constexpr std::uint32_t kBlockSize = 4096;
constexpr double kBitsPerByte = 11;  // start, 8 data, 2 stop
constexpr qint64 kGapGoalMs = 50;

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zav::base::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    const zav::test::MessageRecorder messages;  // no boxes open
    zav::test::NoMainWindow main;

    zav::sim::Options options{"TM6"};
    options.wire_baud = kBaud;
    zav::sim::Simulator unit(options);
    std::string why;
    if (!unit.start(&why)) {
        std::fprintf(stderr, "program_window_bench: %s\n", why.c_str());
        return 1;
    }
    unit.export_port(kPort);
    zav::app::SetCurrentPort(kPort);

    QTemporaryDir dir;
    const auto image =
        zav::sim::stand_in_program_image("TM0006 V0901 TM6", kMainLength, kRamLength);
    QFile file(dir.filePath(QStringLiteral("tm6.zav")));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
    file.close();

    zav::window::ToolWindowFrame* frame = zav::programming::window::openProgramWindow(main);
    frame->show();
    auto* content = frame->findChild<FrmProgram*>();
    content->chooseFile(file.fileName());
    zav::programming::ProgrammingSession& session = content->session();
    frame->runSessionCall([&] { session.identify(); });
    if (!session.startEnabled()) {
        std::fprintf(stderr, "program_window_bench: the unit was not identified\n");
        return 1;
    }
    const qint64 floor = zav::test::idleGapFloorMs(3000);

    // What crosses the line: header command, RAM loader, type letter, the
    // header again, and each main block with its check byte.
    const double blocks = kMainLength / kBlockSize;
    const double bytes = 128 + kRamLength + 1 + 128 + blocks * (kBlockSize + 1);
    const double wireSeconds = bytes * kBitsPerByte / kBaud;

    QElapsedTimer wall;
    qint64 transferMs = 0;
    QObject::connect(&session, &zav::programming::ProgrammingSession::progressed, [&] {
        const auto p = session.progress();
        if (!transferMs && p.blocksTotal > 0 && p.blocksSent >= p.blocksTotal)
            transferMs = wall.elapsed();
    });
    const double cpuBefore = zav::test::processCpuSeconds();
    const Heartbeat heartbeat;
    // Where the largest gap fell: the stage the transfer was in.
    QString gapStage;
    qint64 gapMs = 0;
    QElapsedTimer sinceBeat;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 g = sinceBeat.restart();
        if (g > gapMs) {
            gapMs = g;
            gapStage = session.progress().stage;
        }
    });
    sinceBeat.start();
    beat.start(10);
    wall.start();
    frame->runSessionCall([&] { session.start(); });
    const qint64 wallMs = wall.elapsed();
    const double cpu = zav::test::processCpuSeconds() - cpuBefore;
    const qint64 gap = heartbeat.largestGapMs();

    if (session.outcome() != zav::programming::Outcome::Programmed) {
        std::fprintf(stderr, "program_window_bench: %s\n",
                     session.error().toLocal8Bit().constData());
        return 1;
    }
    std::printf(
        "256 KiB image at %u baud: transfer %.2f s, wire time %.2f s: %.3fx (goal <= 1.10x)\n",
        kBaud, transferMs / 1000.0, wireSeconds, transferMs / 1000.0 / wireSeconds);
    std::printf("whole download with identification after: %.2f s\n", wallMs / 1000.0);
    std::printf("CPU time %.2f s: %.2f %% of wall (goal < 3 %%)\n", cpu,
                100.0 * cpu / (wallMs / 1000.0));
    std::printf(
        "largest heartbeat gap %lld ms (ending in the stage \"%s\"), idle floor %lld ms "
        "(goal < %lld ms)\n",
        static_cast<long long>(gap), gapStage.toLocal8Bit().constData(),
        static_cast<long long>(floor), static_cast<long long>(kGapGoalMs));
    frame->close();
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    zav::base::setMessageSink(nullptr);
    return 0;
}
