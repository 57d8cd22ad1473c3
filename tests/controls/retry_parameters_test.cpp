// After an initialisation run the link library keeps its 1 second reply
// time-out and single retry for every later transaction of the program.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>

#include "core_test_support.h"
#include "zav/app/link_api.h"
#include "zav/app/link_request.h"
#include "zav/base/program_directory.h"
#include "zav/controls/initialise_session.h"
#include "zav/sim/simulator.h"
#include "zav/test/wait_until.h"

namespace zav::controls {
namespace {

using namespace std::chrono_literals;

constexpr std::int16_t kPort = 114;
constexpr std::uint8_t kSync = 0x11;

TEST(RetryParametersTest, LaterTransactionsUseOneSecondAndOneRetry) {
    app::test::useBuiltProgram();
    sim::Options options{"TM4"};
    options.initialisation.step_ms = 5;
    sim::Simulator unit(options);
    std::string why;
    ASSERT_TRUE(unit.start(&why)) << why;
    unit.export_port(kPort);
    app::test::RecordingFrontEnd frontEnd;
    {
        InitialiseSession session(kPort, 10ms, frontEnd);
        session.start();
        ASSERT_TRUE(session.completed());
    }

    unit.set_fault(kSync, {sim::Fault::Kind::NoReply});
    const std::size_t before = unit.frames_received(kSync);
    ASSERT_EQ(app::Link().OpenPort(kPort), 1);
    LinkPacket command{}, reply{};
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(app::SendLinkRequest(command, reply, {kSync}));
    const qint64 elapsed = timer.elapsed();
    app::Link().CloseComm();
    // The last resend goes out just before the call gives up; let it land.
    EXPECT_TRUE(zav::test::waitUntil([&] { return unit.frames_received(kSync) - before >= 3; }));
    // One retry: the frame goes out at most three times over two time-outs;
    // the library's default (five) would send it seven times over 6 s.
    EXPECT_EQ(unit.frames_received(kSync) - before, 3u);
    EXPECT_GE(elapsed, 1900);
    EXPECT_LT(elapsed, 3500);
}

}  // namespace
}  // namespace zav::controls
