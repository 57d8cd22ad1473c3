// The port's reader thread over a pseudo-terminal: bytes routed by mode,
// bytes held for an echo consumer, the transmit-empty report, and a clean
// stop on close.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "port.h"
#include "zav/test/pty_peer.h"

using namespace zav::link;
using zav::platform::Deadline;
using zav::test::Bytes;
using zav::test::FramePeer;

namespace {

constexpr int kPort = 105;

// Frame-mode bytes as the reader hands them over.
struct Recorder : ByteSink {
    void on_byte(std::uint8_t b) override {
        {
            std::lock_guard lock(mutex);
            bytes.push_back(b);
        }
        arrived.notify_all();
    }
    Bytes wait_for(std::size_t count) {
        std::unique_lock lock(mutex);
        arrived.wait_for(lock, std::chrono::seconds(1), [&] { return bytes.size() >= count; });
        return bytes;
    }
    std::mutex mutex;
    std::condition_variable arrived;
    Bytes bytes;
};

struct PortRoutingTest : ::testing::Test {
    static void SetUpTestSuite() { ASSERT_TRUE(peer.start(kPort, FramePeer::silent())); }
    void SetUp() override { ASSERT_EQ(port.open(kPort), 1); }

    static FramePeer peer;
    PacketLog log;
    Messages messages;
    Recorder frames;
    Port port{log, messages, frames};
    ReaderRouting& routing = port.routing();
};

FramePeer PortRoutingTest::peer;

}  // namespace

TEST_F(PortRoutingTest, EchoBytesAreHeldUntilReleasedAndRestFlowsOnAfterVerify) {
    routing.set_verify_mode(true);
    peer.send({'A', 'B', 'C'});
    ASSERT_TRUE(routing.wait_until(Deadline::after_ms(1000),
                                   [&] { return routing.pending_echo() == 'A'; }));
    routing.release_echo();
    ASSERT_TRUE(routing.wait_until(Deadline::after_ms(1000),
                                   [&] { return routing.pending_echo() == 'B'; }));
    // Verify mode off: the held 'C' goes to the frame receiver.
    routing.set_verify_mode(false);
    routing.release_echo();
    EXPECT_EQ(frames.wait_for(1), Bytes{'C'});
}

TEST_F(PortRoutingTest, BulkBytesAndTransmitEmpty) {
    std::uint8_t dest[17] = {};
    routing.start_bulk(dest, sizeof dest);
    routing.clear_transmit_empty();
    ASSERT_TRUE(port.write_raw(Bytes{0x7F, 0x00, 0x0B}));
    EXPECT_TRUE(
        routing.wait_until(Deadline::after_ms(1000), [&] { return routing.transmit_empty(); }));
    Bytes data(17);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i);
    peer.send(data);
    ASSERT_TRUE(
        routing.wait_until(Deadline::after_ms(1000), [&] { return routing.bulk_count() == 17; }));
    routing.stop_bulk();
    EXPECT_EQ(Bytes(dest, dest + 17), data);
}

TEST_F(PortRoutingTest, CloseStopsTheReaderAndReopenWorks) {
    for (int i = 0; i < 3; ++i) {
        port.close();
        EXPECT_FALSE(port.is_open());
        EXPECT_FALSE(port.write_raw(Bytes{0x01}));
        ASSERT_EQ(port.open(kPort), 1);
    }
    peer.send({0x42});
    EXPECT_EQ(frames.wait_for(1), Bytes{0x42});
}
