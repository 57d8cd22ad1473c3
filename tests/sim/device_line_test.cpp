// The simulated validator as a bare host sees it on the pty: frames, bytes
// and timing, with no link library in between.
#include <gtest/gtest.h>

#include <algorithm>

#include "raw_host.h"
#include "zav/platform/clock.h"
#include "zav/sim/simulator.h"
#include "zav/test/wait_until.h"

using namespace zav::sim;
using namespace zav::sim::test;
using zav::platform::monotonic_ms;

namespace {

constexpr int kReplyWaitMs = 1000;
constexpr int kSilenceMs = 200;

const Bytes kSync = {0x11};
const Bytes kPoll = {0x07};
const Bytes kSerial = {0x0C};

Bytes sensor_info(std::uint8_t index) {
    return {0x30, 0x05, 0x61, index};
}

class DeviceLine : public ::testing::Test {
  protected:
    void start(Options options = {}) {
        sim_ = std::make_unique<Simulator>(options);
        std::string error;
        ASSERT_TRUE(sim_->start(&error)) << error;
        ASSERT_TRUE(host_.open(sim_->slave_path()));
    }

    // Sends data and returns the reply's data (empty when none came).
    Bytes ask(std::uint8_t addr_seq, const Bytes& data) {
        host_.send(addr_seq, data);
        const auto reply = host_.receive(kReplyWaitMs);
        if (!reply) return {};
        EXPECT_EQ(reply->addr_seq, addr_seq);
        return reply->data;
    }

    std::unique_ptr<Simulator> sim_;
    RawHost host_;
};

}  // namespace

TEST_F(DeviceLine, RepliesCarryTheCommandsAddressAndSequenceBit) {
    start();
    host_.send_raw({0x7F, 0x80, 0x01, 0x11, 0x65, 0x82});  // SYNC, address 0, bit set
    const auto reply = host_.receive(kReplyWaitMs);
    ASSERT_TRUE(reply);
    EXPECT_EQ(host_.raw(), wire_frame(0x80, {0xF0}));
    EXPECT_EQ(sim_->last_frame(), (Bytes{0x7F, 0x80, 0x01, 0x11, 0x65, 0x82}));

    EXPECT_EQ(ask(0x00, kSerial), (Bytes{0xF0, 0xC4, 0x11, 0x7F, 0x20}));
    EXPECT_EQ(ask(0x85, kSync), Bytes{0xF0});
    EXPECT_EQ(ask(0x05, kSync), Bytes{0xF0});
}

TEST_F(DeviceLine, StuffedBytesAreUndoneOnReceiptAndAddedOnReplies) {
    start({.model = "TM6"});
    // The TM6 serial number holds a 0x7F byte: doubled on the wire.
    EXPECT_FALSE(ask(0x80, kSync).empty());
    host_.send(0x00, kSerial);
    ASSERT_TRUE(host_.receive(kReplyWaitMs));
    const Bytes& raw = host_.raw();
    const Bytes stuffed = {0x11, 0x7F, 0x7F, 0x20};
    EXPECT_NE(std::search(raw.begin(), raw.end(), stuffed.begin(), stuffed.end()), raw.end());

    // A 0x7F parameter arrives as one byte: sensor 127 does not exist.
    EXPECT_EQ(ask(0x80, sensor_info(0x7F)), Bytes{0xF3});
    EXPECT_EQ(sim_->last_command(), sensor_info(0x7F));

    // A command whose CRC holds 0x7F is decoded too.
    int checked = 0;
    for (int code = 0x40; code <= 0xFF && checked < 2; ++code) {
        const Bytes data = {static_cast<std::uint8_t>(code)};
        const Bytes wire = wire_frame(0x00, data);
        if (wire.size() == 6) continue;  // nothing stuffed
        ASSERT_FALSE(ask(0x00, data).empty()) << code;
        EXPECT_EQ(sim_->last_command(), data);
        ++checked;
    }
    EXPECT_EQ(checked, 2);
}

TEST_F(DeviceLine, BadFramesAndNoiseGetNoReply) {
    start();
    Bytes bad = wire_frame(0x80, kSync);
    bad.back() ^= 0x01;
    host_.send_raw(bad);
    EXPECT_FALSE(host_.receive(kSilenceMs));
    EXPECT_EQ(sim_->frames_received(), 0u);

    host_.send_raw({0x7F, 0x80, 0x00, 0x11});  // length 0: not a frame
    host_.send_raw({0x7F, 0x80, 0xFB, 0x11});  // length 251: not a frame
    host_.send_raw({0x01, 0x02, 0x80, 0xF0});  // noise between frames
    host_.send_raw({0x7F, 0x80, 0x04, 0x30});  // cut short by the next frame
    EXPECT_EQ(ask(0x80, kSync), Bytes{0xF0});
    EXPECT_EQ(sim_->frames_received(), 1u);
}

TEST_F(DeviceLine, UnknownCommandsAndBadParametersAreRefused) {
    start({.model = "RX3"});
    EXPECT_EQ(ask(0x80, {0x55}), Bytes{0xF2});
    EXPECT_EQ(ask(0x00, {0x30, 0x05, 0x99}), Bytes{0xF2});
    EXPECT_EQ(ask(0x80, {0x30, 0x06, 0x65}), Bytes{0xF2});
    EXPECT_EQ(ask(0x00, {0x30}), Bytes{0xF2});
    EXPECT_EQ(ask(0x80, {0x30, 0x05, 0x61}), Bytes{0xF3});  // no index
    EXPECT_EQ(ask(0x00, sensor_info(17)), Bytes{0xF3});     // RX3 has 17 sensors
    EXPECT_EQ(ask(0x80, sensor_info(16)).size(), 41u);
    EXPECT_EQ(ask(0x00, {0x30, 0x05, 0x66, 1}), Bytes{0xF3});  // one motor
}

TEST_F(DeviceLine, PollReportsEventsOnceEvenWhenTheHostAsksAgain) {
    start();
    EXPECT_EQ(ask(0x80, kPoll), (Bytes{0xF0, 0xF1}));  // power-up reset
    EXPECT_EQ(ask(0x00, kPoll), (Bytes{0xF0, 0xE8}));  // disabled, nothing new
    sim_->queue_poll_events({0xEF, 0x03, 0xCC});
    EXPECT_EQ(ask(0x80, kPoll), (Bytes{0xF0, 0xEF, 0x03, 0xCC}));
    // The host missed that reply and sends the same frame: same reply.
    EXPECT_EQ(ask(0x80, kPoll), (Bytes{0xF0, 0xEF, 0x03, 0xCC}));
    EXPECT_EQ(ask(0x00, kPoll), (Bytes{0xF0, 0xE8}));
    EXPECT_EQ(sim_->frames_received(0x07), 5u);

    // More events than one reply holds carry over to the next POLL.
    sim_->queue_poll_events(Bytes(300, 0xEB));
    EXPECT_EQ(ask(0x80, kPoll).size(), 250u);
    EXPECT_EQ(ask(0x00, kPoll).size(), 1u + 300 - 249);
}

TEST_F(DeviceLine, FaultsShowOnTheWire) {
    start();
    sim_->set_fault(0x0C, {.kind = Fault::Kind::GenericCode, .code = 0xF5, .times = 1});
    EXPECT_EQ(ask(0x80, kSerial), Bytes{0xF5});
    EXPECT_EQ(ask(0x00, kSerial).size(), 5u);  // used up

    sim_->set_fault(0x0C, {.kind = Fault::Kind::BadCrc, .times = 1});
    host_.send(0x80, kSerial);
    EXPECT_FALSE(host_.receive(kSilenceMs));
    EXPECT_EQ(host_.bad_crc(), 1);

    sim_->set_fault(0x11, {.kind = Fault::Kind::WrongSequence, .times = 1});
    host_.send(0x80, kSync);
    const auto wrong = host_.receive(kReplyWaitMs);
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->addr_seq, 0x00);

    sim_->set_fault(0x11, {.kind = Fault::Kind::JunkBefore, .times = 1});
    EXPECT_FALSE(ask(0x80, kSync).empty());
    EXPECT_GT(host_.raw().size(), 6u);
    EXPECT_NE(host_.raw()[0], 0x7F);
    sim_->set_fault(0x11, {.kind = Fault::Kind::JunkBefore, .junk = {0x7F, 0x7F, 0x42}});
    EXPECT_FALSE(ask(0x80, kSync).empty());
    EXPECT_EQ(Bytes(host_.raw().begin(), host_.raw().begin() + 3), (Bytes{0x7F, 0x7F, 0x42}));

    // A fault for every command yields to one for the command itself.
    sim_->clear_faults();
    sim_->set_fault(kAnyCommand, {.kind = Fault::Kind::NoReply, .times = 2});
    sim_->set_fault(0x07, {.kind = Fault::Kind::GenericCode, .code = 0xF6});
    EXPECT_EQ(ask(0x80, kPoll), Bytes{0xF6});
    host_.send(0x80, kSync);
    EXPECT_FALSE(host_.receive(kSilenceMs));
    host_.send(0x80, kSync);
    EXPECT_FALSE(host_.receive(kSilenceMs));
    EXPECT_EQ(ask(0x80, kSync), Bytes{0xF0});

    sim_->clear_faults();
    sim_->set_fault(expansion(0x44), {.kind = Fault::Kind::Delay, .delay_ms = 300});
    const auto t0 = monotonic_ms();
    EXPECT_EQ(ask(0x00, {0x30, 0x05, 0x44}).size(), 17u);
    EXPECT_GE(monotonic_ms() - t0, 300);
}

TEST_F(DeviceLine, WireEmulationTakesTheTimeOfTheLine) {
    start({.model = "TM6", .wire_baud = 1200});
    // 6 command bytes and 6 reply bytes at 1200 baud, 11 bits each: 110 ms.
    const auto t0 = monotonic_ms();
    EXPECT_EQ(ask(0x80, kSync), Bytes{0xF0});
    const auto elapsed = monotonic_ms() - t0;
    EXPECT_GE(elapsed, 100);
    EXPECT_LT(elapsed, 1000);
    // A longer reply (46 bytes with stuffing) arrives intact, paced.
    const auto t1 = monotonic_ms();
    EXPECT_EQ(ask(0x00, sensor_info(3)).size(), 41u);
    EXPECT_GE(monotonic_ms() - t1, (9 + 46) * 11 * 1000 / 1200 - 10);
}

TEST_F(DeviceLine, TheHostMayCloseAndReopenThePort) {
    start();
    EXPECT_FALSE(ask(0x80, kSync).empty());
    host_.close();
    ASSERT_TRUE(host_.open(sim_->slave_path()));
    EXPECT_EQ(ask(0x80, kSync), Bytes{0xF0});
    EXPECT_EQ(ask(0x00, kSerial).size(), 5u);
}

TEST(SimulatorLifecycle, StopIsPromptAndStartIsChecked) {
    Simulator unknown({.model = "XY9"});
    std::string error;
    EXPECT_FALSE(unknown.start(&error));
    EXPECT_NE(error.find("XY9"), std::string::npos);

    Simulator sim({});
    ASSERT_TRUE(sim.start());
    EXPECT_FALSE(sim.start(&error));  // already running
    EXPECT_EQ(sim.slave_path().rfind("/dev/pts/", 0), 0u);

    RawHost host;
    ASSERT_TRUE(host.open(sim.slave_path()));
    sim.set_fault(kAnyCommand, {.kind = Fault::Kind::Delay, .delay_ms = 60000});
    host.send(0x80, kSync);
    ASSERT_TRUE(zav::test::waitUntil([&] { return sim.frames_received(0x11) == 1; }));
    const auto t0 = monotonic_ms();
    sim.stop();
    EXPECT_LT(monotonic_ms() - t0, 500);
    EXPECT_EQ(sim.frames_received(0x11), 1u);

    // Started again it is a new unit on a new pty.
    sim.clear_faults();
    ASSERT_TRUE(sim.start());
    RawHost again;
    ASSERT_TRUE(again.open(sim.slave_path()));
    again.send(0x80, kPoll);
    const auto reply = again.receive(kReplyWaitMs);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->data, (Bytes{0xF0, 0xF1}));
}
