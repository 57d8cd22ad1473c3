// Each fault as the link library sees it: the link status, the generic
// code, the sequence bit kept in step, and the port closed and reopened.
// Faults that silence the unit cost the library's reply time-out (1 s).
// (A first reply lost and the resend answered is the link library's own test.)
#include <gtest/gtest.h>

#include "link_host.h"
#include "zav/platform/clock.h"
#include "zav/sim/simulator.h"

using namespace zav::sim;
using namespace zav::sim::test;
using zav::platform::monotonic_ms;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr int kPort = 111;
const Bytes kSync = {0x11};
const Bytes kSerial = {0x0C};
const Bytes kFirmware = {0x30, 0x05, 0x44};
constexpr CommandKey kFirmwareKey = expansion(0x44);

class LinkFaults : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        SetMessageMode(0);
        sim_ = new Simulator({.model = "TM4"});
        ASSERT_TRUE(sim_->start());
        sim_->export_port(kPort);
        ASSERT_EQ(OpenPort(kPort), 1);
    }
    static void TearDownTestSuite() {
        CloseComm();
        delete sim_;
    }
    void SetUp() override {
        sim_->clear_faults();
        set_retries(1, 0);
        ASSERT_EQ(link_command(kSync).data, Bytes{0xF0});
    }
    // The library and the unit still agree on the sequence bit.
    void expect_in_step() {
        EXPECT_EQ(link_command(kSerial).data.size(), 5u);
        EXPECT_EQ(link_command(kFirmware).data.size(), 17u);
    }

    static Simulator* sim_;
};

Simulator* LinkFaults::sim_ = nullptr;

}  // namespace

TEST_F(LinkFaults, GenericCodesReachTheCaller) {
    sim_->set_fault(kFirmwareKey, {.kind = Fault::Kind::GenericCode, .code = 0xF2, .times = 1});
    const LinkReply refused = link_command(kFirmware);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.data, Bytes{0xF2});

    sim_->set_fault(0x0C, {.kind = Fault::Kind::GenericCode, .code = 0xF1, .times = 1});
    const LinkReply other = link_command(kSerial);
    EXPECT_EQ(other.status, 0xF1);
    EXPECT_TRUE(other.data.empty());

    // An unknown command is refused the same way.
    EXPECT_EQ(link_command({0x55}).data, Bytes{0xF2});
    expect_in_step();
}

// A fault can let commands pass before it applies, and a reply can be
// replaced by bytes of the test's choosing.
TEST_F(LinkFaults, LaterCommandsAndChosenReplies) {
    sim_->set_fault(
        kFirmwareKey,
        {.kind = Fault::Kind::Reply, .junk = {0xF0, 0x01, 0x02}, .times = 1, .after = 2});
    EXPECT_EQ(link_command(kFirmware).data.size(), 17u);
    EXPECT_EQ(link_command(kFirmware).data.size(), 17u);
    EXPECT_EQ(link_command(kFirmware).data, (Bytes{0xF0, 0x01, 0x02}));
    EXPECT_EQ(link_command(kFirmware).data.size(), 17u);
    expect_in_step();
}

TEST_F(LinkFaults, SilenceBadCrcAndWrongSequenceEndInNoReply) {
    for (const Fault::Kind kind :
         {Fault::Kind::NoReply, Fault::Kind::BadCrc, Fault::Kind::WrongSequence}) {
        SCOPED_TRACE(static_cast<int>(kind));
        sim_->set_fault(kFirmwareKey, {.kind = kind, .times = 1});
        const auto before = sim_->frames_received(kFirmwareKey);
        const auto t0 = monotonic_ms();
        EXPECT_EQ(link_command(kFirmware).status, 2);
        EXPECT_GE(monotonic_ms() - t0, 1000);
        EXPECT_EQ(sim_->frames_received(kFirmwareKey), before + 1);
        expect_in_step();
    }
}

TEST_F(LinkFaults, DelaysAndJunkStillGiveTheReply) {
    sim_->set_fault(kFirmwareKey, {.kind = Fault::Kind::Delay, .delay_ms = 400, .times = 1});
    const auto t0 = monotonic_ms();
    EXPECT_EQ(link_command(kFirmware).data.size(), 17u);
    EXPECT_GE(monotonic_ms() - t0, 400);

    sim_->set_fault(kAnyCommand, {.kind = Fault::Kind::JunkBefore});
    expect_in_step();
    sim_->clear_faults();

    // A reply later than the time-out answers the first attempt while the
    // library has already sent it again; the late copy of the reply that
    // follows carries the old sequence bit and must not be taken for the
    // next command's reply.
    set_retries(1, 1);
    sim_->set_fault(0x0C, {.kind = Fault::Kind::Delay, .delay_ms = 1300, .times = 1});
    const auto before = sim_->frames_received(0x0C);
    EXPECT_EQ(link_command(kSerial).data.size(), 5u);
    EXPECT_EQ(sim_->frames_received(0x0C), before + 2);
    expect_in_step();
}

TEST_F(LinkFaults, ThePortClosesAndReopens) {
    CloseComm();
    EXPECT_EQ(link_command(kSync).status, 0);  // no port open
    ASSERT_EQ(OpenPort(kPort), 1);
    EXPECT_EQ(link_command(kSync).data, Bytes{0xF0});
    expect_in_step();
}
