// The library against the simulated validator: identification requests,
// generic reply codes, refusals, junk before a reply and a slow reply.
#include "sim_session.h"

using namespace zav::link::test;
using Kind = zav::sim::Fault::Kind;

using ValidatorTest = SimSession;

TEST_F(ValidatorTest, IdentificationRequestsAreAnswered) {
    const Reply serial = command({0x0C});
    EXPECT_EQ(serial.status, 1);
    ASSERT_GT(serial.data.size(), 1u);
    EXPECT_EQ(serial.data[0], 0xF0);

    const Reply firmware = command({0x30, 0x05, 0x44});
    EXPECT_EQ(firmware.status, 1);
    ASSERT_GT(firmware.data.size(), 1u);
    EXPECT_EQ(firmware.data[0], 0xF0);
    EXPECT_EQ(command({0x07}).data.at(0), 0xF0);
}

TEST_F(ValidatorTest, GenericAndOtherReplyCodes) {
    zav::sim::Fault code = fault(Kind::GenericCode);
    for (const std::uint8_t c : {0xF2, 0xF5, 0xFB}) {
        code.code = c;
        sim->set_fault(0x0C, code);
        const Reply r = command({0x0C});
        EXPECT_EQ(r.status, 1) << int(c);
        EXPECT_EQ(r.data, std::vector<std::uint8_t>{c});
    }
    code.code = 0xF1;  // not generic: the status is the code itself, no data
    sim->set_fault(0x0C, code);
    const Reply r = command({0x0C});
    EXPECT_EQ(r.status, 0xF1);
    EXPECT_TRUE(r.data.empty());
}

TEST_F(ValidatorTest, UnknownCommandIsRefusedWithAGenericCode) {
    const Reply r = command({0x55, 0x01});
    EXPECT_EQ(r.status, 1);
    ASSERT_FALSE(r.data.empty());
    EXPECT_NE(r.data[0], 0xF0);
}

TEST_F(ValidatorTest, JunkBeforeTheReplyIsSkipped) {
    zav::sim::Fault junk = fault(Kind::JunkBefore);
    junk.junk = {0x00, 0x7F, 0x7F, 0x13, 0x7F, 0x80, 0xFF};
    sim->set_fault(0x0C, junk);
    const Reply r = command({0x0C});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.data.at(0), 0xF0);
    EXPECT_LT(r.ms, 900);  // no resend was needed
}

TEST_F(ValidatorTest, ReplyWithinTheTimeOutIsWaitedFor) {
    zav::sim::Fault delay = fault(Kind::Delay);
    delay.delay_ms = 400;
    sim->set_fault(0x0C, delay);
    const std::size_t before = sim->frames_received(0x0C);
    const Reply r = command({0x0C});
    EXPECT_EQ(r.status, 1);
    EXPECT_GE(r.ms, 400);
    EXPECT_LT(r.ms, 1000);
    EXPECT_EQ(sim->frames_received(0x0C), before + 1);
}
