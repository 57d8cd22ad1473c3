// Reader routing (verify, bulk and frame modes) and the driver kind of a
// port.
#include <gtest/gtest.h>

#include <vector>

#include "driver_kind.h"
#include "reader_routing.h"

using namespace zav::link;

namespace {

struct Recorder : ByteSink {
    void on_byte(std::uint8_t b) override { bytes.push_back(b); }
    std::vector<std::uint8_t> bytes;
};

struct RoutingTest : ::testing::Test {
    zav::platform::Waker waker;
    ReaderRouting routing{waker};
    Recorder frames;
};

}  // namespace

TEST_F(RoutingTest, VerifyModeTakesOneEchoByteAtATime) {
    EXPECT_TRUE(routing.route(0x11, frames));  // frame mode
    routing.set_verify_mode(true);
    EXPECT_TRUE(routing.route('2', frames));
    EXPECT_EQ(routing.pending_echo(), '2');
    EXPECT_FALSE(routing.route('3', frames));  // held until released
    routing.release_echo();
    EXPECT_TRUE(routing.route('3', frames));

    std::uint8_t got[ReaderRouting::kVerifyCapacity];
    ASSERT_EQ(routing.verify_bytes(got, sizeof got), 2u);
    EXPECT_EQ(got[0], '2');
    EXPECT_EQ(got[1], '3');
    EXPECT_EQ(frames.bytes, std::vector<std::uint8_t>{0x11});
}

TEST_F(RoutingTest, VerifyBufferIsBounded) {
    routing.set_verify_mode(true);
    for (int i = 0; i < 200; ++i) {
        routing.release_echo();
        ASSERT_TRUE(routing.route(static_cast<std::uint8_t>(i), frames));
    }
    std::uint8_t got[ReaderRouting::kVerifyCapacity];
    EXPECT_EQ(routing.verify_bytes(got, sizeof got), ReaderRouting::kVerifyCapacity);
    EXPECT_EQ(routing.pending_echo(), 199);  // the echo is still reported
}

TEST_F(RoutingTest, BulkModeCountsEveryByteButStoresOnlyWhatFits) {
    std::uint8_t dest[4] = {};
    routing.start_bulk(dest, sizeof dest);
    for (std::uint8_t b = 1; b <= 6; ++b) routing.route(b, frames);
    EXPECT_EQ(routing.bulk_count(), 6u);
    EXPECT_EQ(dest[3], 4);
    routing.stop_bulk();
    routing.route(0x7F, frames);
    EXPECT_EQ(frames.bytes, std::vector<std::uint8_t>{0x7F});
}

TEST_F(RoutingTest, WaitersSeeTheTransmitEmptyReport) {
    routing.clear_transmit_empty();
    EXPECT_FALSE(routing.wait_until(zav::platform::Deadline::after_ms(10),
                                    [&] { return routing.transmit_empty(); }));
    routing.set_transmit_empty();
    EXPECT_TRUE(routing.wait_until(zav::platform::Deadline::after_ms(10),
                                   [&] { return routing.transmit_empty(); }));
}

TEST(DriverKind, FirstMatchingEntryDecides) {
    const std::vector<zav::platform::PortEntry> ports = {
        {"\\Device\\Serial0", "COM1"},    {"\\Device\\VCP0", "COM34"},
        {"\\Device\\USBSER000", "COM65"}, {"\\Device\\slabser0", "COM35"},
        {"\\Device\\Serial1", "COM100"},  {"\\Device\\USBSER001", "COM100"},
    };
    EXPECT_EQ(driver_kind(34, ports), kDriverVcp);
    EXPECT_EQ(driver_kind(65, ports), kDriverUsbCdc);
    EXPECT_EQ(driver_kind(35, ports), kDriverOther);
    EXPECT_EQ(driver_kind(1, ports), kDriverOther);
    EXPECT_EQ(driver_kind(100, ports), kDriverUsbCdc);  // search goes on past Serial1
    EXPECT_EQ(driver_kind(3, ports), kDriverOther);
}
