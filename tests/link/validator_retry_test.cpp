// The library against a validator whose first reply is lost, corrupt or
// carries the wrong sequence bit: the reply is ignored and the resend at
// the time-out gets the answer. And a validator that never answers.
#include "sim_session.h"

using namespace zav::link::test;
using Kind = zav::sim::Fault::Kind;

using ValidatorRetryTest = SimSession;

TEST_F(ValidatorRetryTest, FirstReplyUnusableThenTheResendIsAnswered) {
    for (const Kind kind : {Kind::NoReply, Kind::BadCrc, Kind::WrongSequence}) {
        sim->set_fault(0x0C, fault(kind, 1));
        const std::size_t before = sim->frames_received(0x0C);
        const Reply r = command({0x0C});
        EXPECT_EQ(r.status, 1) << int(kind);
        EXPECT_EQ(r.data.at(0), 0xF0) << int(kind);
        EXPECT_GE(r.ms, 1000) << int(kind);
        EXPECT_LT(r.ms, 1500) << int(kind);
        EXPECT_EQ(sim->frames_received(0x0C), before + 2) << int(kind);
    }
}

TEST_F(ValidatorRetryTest, SilentValidatorGivesNoReplyAndKeepsTheSequenceBit) {
    sim->set_fault(0x0C, fault(Kind::NoReply));
    set_retries(1, 0);
    const Reply r = command({0x0C});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.data.empty());
    EXPECT_GE(r.ms, 1000);
    EXPECT_LT(r.ms, 1500);
    // The failed command left the sequence bit alone, so the validator's
    // next answer is accepted at once.
    sim->clear_faults();
    const Reply next = command({0x0C});
    EXPECT_EQ(next.status, 1);
    EXPECT_LT(next.ms, 900);
}
