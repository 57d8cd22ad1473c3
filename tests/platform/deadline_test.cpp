#include <gtest/gtest.h>

#include "zav/platform/clock.h"

using zav::platform::Deadline;
using zav::platform::monotonic_ms;

TEST(Deadline, RemainingIsRoundedUpAndNeverNegative) {
    const Deadline d = Deadline::after_ms(50);
    const int left = d.remaining_ms();
    EXPECT_GT(left, 0);
    EXPECT_LE(left, 50);
    EXPECT_FALSE(d.expired());

    const Deadline past = Deadline::after_ms(0);
    EXPECT_TRUE(past.expired());
    EXPECT_EQ(past.remaining_ms(), 0);
    EXPECT_TRUE(Deadline::after_ms(-5).expired());
}

TEST(Deadline, NeverExpiresAndMeansNoLimitToPoll) {
    const Deadline d = Deadline::never();
    EXPECT_FALSE(d.expired());
    EXPECT_EQ(d.remaining_ms(), -1);
}

TEST(Deadline, SleepingForTheRemainderReachesIt) {
    const auto start = monotonic_ms();
    const Deadline d = Deadline::after_ms(30);
    zav::platform::sleep_ms(d.remaining_ms());
    EXPECT_TRUE(d.expired());
    EXPECT_GE(monotonic_ms() - start, 30);
}
