// The serial library's long time limits, waited out in full.
#include <thread>

#include "scripted_peer.h"
#include "serial_fixture.h"
#include "zav/platform/clock.h"

namespace zav::serial::test {
namespace {

using SlowWaits = SerialLibraryTest;

TEST_F(SlowWaits, SilentDeviceGetsEveryRetryAndTheCallTimesOut) {
    TestPort port(111);
    ScriptedPeer peer(port, {PeerReply::Silence});
    ASSERT_EQ(OpenPort(111, 9600), ZAV_SERIAL_OK);
    SetCCTRetry(2, 100);
    CCTPacket p{};
    p.destination = 2;
    p.source = 1;
    p.header = 254;
    const auto t0 = platform::monotonic_ms();
    EXPECT_EQ(SendCCTPacket(&p), ZAV_SERIAL_TIMEOUT);
    const auto elapsed = platform::monotonic_ms() - t0;
    // Three echo waits of 300 ms and two retry pauses of 100 ms.
    EXPECT_GE(elapsed, 1100);
    EXPECT_LT(elapsed, 1500);
    // The peer stamps a frame when its thread gets to it, a few ms late.
    const auto frames = peer.frames();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_GE(frames[1].at_ms - frames[0].at_ms, 380);
    EXPECT_GE(frames[2].at_ms - frames[1].at_ms, 380);
}

TEST_F(SlowWaits, ReadOfFourWhenThreeArriveTimesOutAfterTenSeconds) {
    TestPort port(112);
    ASSERT_EQ(OpenPortAdvanced(112, 38400, 3, 3), ZAV_SERIAL_OK);
    // The device answers late, and short, while the read waits.
    std::thread device([&] {
        platform::sleep_ms(100);
        port.send({1, 2, 3});
    });
    std::uint8_t in[4] = {};
    const int32_t wanted = 4;
    const auto t0 = platform::monotonic_ms();
    EXPECT_EQ(read_serial_data(in, &wanted), ZAV_SERIAL_TIMEOUT);
    const auto elapsed = platform::monotonic_ms() - t0;
    device.join();
    EXPECT_GE(elapsed, 10000);
    EXPECT_LT(elapsed, 10500);
    EXPECT_EQ(wanted, 4);
}

TEST_F(SlowWaits, WriteToAStalledLineGivesUpInsteadOfHanging) {
    TestPort port(113);  // nobody reads the device side
    ASSERT_EQ(OpenPort(113, 9600), ZAV_SERIAL_OK);
    const std::vector<std::uint8_t> block(1 << 20, 0x55);
    const auto t0 = platform::monotonic_ms();
    EXPECT_EQ(send_serial_data(block.data(), static_cast<int32_t>(block.size())),
              ZAV_SERIAL_NOTHING_WRITTEN);
    EXPECT_LT(platform::monotonic_ms() - t0, 5000);
}

}  // namespace
}  // namespace zav::serial::test
