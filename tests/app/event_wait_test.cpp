// The tick clock and the session waits: they count the right ticks, end at
// once when Cancel writes the counter or an awaited signal fires, and sleep
// rather than spin.
#include "zav/app/event_wait.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QTimer>
#include <chrono>

#include "core_test_support.h"
#include "zav/app/tick_clock.h"
#include "zav/platform/clock.h"

namespace zav::app {
namespace {

using namespace std::chrono_literals;

std::int64_t cpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

class EventWaitTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ensureApplication(); }
};

TEST_F(EventWaitTest, PauseLastsItsTicksAndStopsTheTimer) {
    TickClock clock(20ms);
    const auto start = platform::monotonic_ms();
    PauseTicks(clock, 5);
    const auto elapsed = platform::monotonic_ms() - start;
    EXPECT_GE(elapsed, 5 * 20 - 2);
    EXPECT_LT(elapsed, 5 * 20 + 400);
    EXPECT_EQ(clock.ticks(), 5);
    EXPECT_FALSE(clock.isRunning());
}

TEST_F(EventWaitTest, TicksOnlyWhileRunningAndKeepsPhaseWhenStartedTwice) {
    TickClock clock(10ms);
    PauseTicks(clock, 1);
    const std::int16_t stopped = clock.ticks();
    EventWait(clock).pollEvery(50ms).until([n = 0]() mutable { return ++n > 2; });
    EXPECT_EQ(clock.ticks(), stopped) << "a stopped clock must not count";

    clock.reset();
    clock.start();
    clock.start();
    EventWait(clock).until([&] { return clock.ticks() >= 3; });
    clock.stop();
    EXPECT_EQ(clock.ticks(), 3);
}

TEST_F(EventWaitTest, CancelWritingTheCounterEndsAWaitAtOnce) {
    TickClock clock(1s);
    QTimer::singleShot(30ms, &clock, [&] { clock.setTicks(1000); });
    const auto start = platform::monotonic_ms();
    PauseTicks(clock, 300);
    EXPECT_LT(platform::monotonic_ms() - start, 900);
    EXPECT_EQ(clock.ticks(), 1000);
}

TEST_F(EventWaitTest, AnAwaitedSignalEndsTheWaitBeforeTheNextTick) {
    TickClock clock(5s);
    QTimer trigger;
    trigger.setSingleShot(true);
    bool fired = false;
    QObject::connect(&trigger, &QTimer::timeout, [&] { fired = true; });
    trigger.start(20ms);
    const auto start = platform::monotonic_ms();
    EventWait(clock).wakeOn(&trigger, &QTimer::timeout).until([&] { return fired; });
    EXPECT_LT(platform::monotonic_ms() - start, 1000);
}

TEST_F(EventWaitTest, CounterStopsAtItsLargestValue) {
    TickClock clock(5ms);
    clock.setTicks(32766);
    clock.start();
    EventWait(clock).pollEvery(40ms).until([n = 0]() mutable { return ++n > 2; });
    clock.stop();
    EXPECT_EQ(clock.ticks(), 32767);
}

TEST_F(EventWaitTest, APollingWaitSleepsInsteadOfSpinning) {
    TickClock clock(100ms);
    clock.reset();
    clock.start();
    const auto cpuBefore = cpuMicroseconds();
    EventWait(clock).pollEvery(kSerialPollInterval).until([&] { return clock.ticks() >= 5; });
    clock.stop();
    // Half a second of waiting; a spinning loop would burn all of it.
    EXPECT_LT(cpuMicroseconds() - cpuBefore, 150000);
}

}  // namespace
}  // namespace zav::app
