// Retry timing against a silent validator over a pseudo-terminal: how many
// times the frame goes out, how long Command waits, and cancel.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ZavtekVLP.h"
#include "zav/test/pty_peer.h"

using zav::test::FramePeer;

namespace {

constexpr int kPort = 106;

struct Outcome {
    std::uint16_t status;
    std::int64_t ms;
};

Outcome timed_sync(bool keep_cancel = false) {
    LinkPacket command{}, result{};
    command.length = 1;
    command.data[0] = 0x11;
    const auto start = std::chrono::steady_clock::now();
    if (keep_cancel)
        VLPCommand(&result, reinterpret_cast<const std::uint8_t*>(&command));
    else
        Command(&result, &command);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    return {result.status, ms};
}

void set_retries(std::uint8_t seconds, std::uint8_t retries) {
    const std::uint8_t params[] = {seconds, retries};
    SetRetryParameters(params);
}

class RetryTimingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(peer.start(kPort, FramePeer::silent()));
        ASSERT_EQ(OpenPort(kPort), 1);
    }
    void SetUp() override { peer.clear(); }
    static FramePeer peer;
};

FramePeer RetryTimingTest::peer;

}  // namespace

TEST_F(RetryTimingTest, DefaultsWaitSixSecondsAndSendSevenTimes) {
    const Outcome o = timed_sync();  // defaults: T = 1 s, N = 5
    EXPECT_EQ(o.status, 2);
    EXPECT_GE(o.ms, 6000);
    EXPECT_LT(o.ms, 6500);
    EXPECT_TRUE(peer.wait_frames(7, 500));
    EXPECT_EQ(peer.frame_count(), 7u);
}

TEST_F(RetryTimingTest, NoRetriesSendOnceAndWaitOneTimeOut) {
    set_retries(2, 0);
    const Outcome o = timed_sync();
    EXPECT_EQ(o.status, 2);
    EXPECT_GE(o.ms, 2000);
    EXPECT_LT(o.ms, 2500);
    EXPECT_EQ(peer.frame_count(), 1u);
}

TEST_F(RetryTimingTest, CancelTakesEffectAtTheNextTimeOut) {
    set_retries(1, 5);
    // Cancelled while the reply wait runs, once the command is out.
    std::thread killer([] {
        peer.wait_frames(1, 2000);
        VLPKillWaitTime();
    });
    const Outcome o = timed_sync();
    killer.join();
    EXPECT_EQ(o.status, 2);
    EXPECT_GE(o.ms, 1000);
    EXPECT_LT(o.ms, 1500);
    EXPECT_EQ(peer.frame_count(), 1u);
}

TEST_F(RetryTimingTest, EarlierCancelStopsVLPCommandButNotCommand) {
    set_retries(1, 1);
    VLPKillWaitTime();
    Outcome o = timed_sync(/*keep_cancel=*/true);
    EXPECT_EQ(o.status, 2);
    EXPECT_LT(o.ms, 1500);
    EXPECT_EQ(peer.frame_count(), 1u);

    // Command clears the request once its frame is out: the full N = 1
    // schedule runs (3 sends over 2 s).
    peer.clear();
    o = timed_sync();
    EXPECT_EQ(o.status, 2);
    EXPECT_GE(o.ms, 2000);
    EXPECT_LT(o.ms, 2500);
    EXPECT_TRUE(peer.wait_frames(3, 500));
    EXPECT_EQ(peer.frame_count(), 3u);
}
