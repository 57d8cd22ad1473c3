// Ctrl-C and SIGTERM during a run: it ends as the window's Cancel and close
// would, so the unit is left ready for the next run; a second Ctrl-C ends
// zavdiag at once.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <csignal>

#include "core_test_support.h"
#include "zavdiag_runner.h"

namespace zav::cli::test {
namespace {

constexpr int kStepLimitMs = 60'000;
constexpr int kSimulatedPort = 100;

class InterruptTest : public ::testing::Test {
  protected:
    void SetUp() override { app::test::ensureApplication(); }
};

// One simulated unit serves both runs: the first is interrupted while it
// waits for the green paper, so the unit must get 0x87 and then 0x82 (leave
// the RAM utility); otherwise the second run would find the utility still
// running and end with "You need to restart the equipment!".
TEST_F(InterruptTest, ADiagnoseInterruptedAtTheGreenPaperLeavesTheUnitReadyForTheNextRun) {
    const ZavsimProcess unit({"--model", "TM6", "--paper-delay", "4"});
    ASSERT_FALSE(unit.path().isEmpty());
    ZavdiagUser user;
    user.PointPort(kSimulatedPort, unit.path());
    user.Start({"diagnose", "--port", "100"});
    ASSERT_TRUE(user.WaitFor(QStringLiteral("Please now insert a green paper."), kStepLimitMs));
    user.Signal(SIGINT);
    const ZavdiagResult interrupted = user.Finish();
    EXPECT_EQ(interrupted.exitCode, 2);
    EXPECT_TRUE(interrupted.err.endsWith(
        QLatin1String("Please now insert a green paper.\nFAILED\nzavdiag diagnose: interrupted\n")))
        << interrupted.err.toStdString();
    // The tests reached before the green paper keep their verdicts.
    EXPECT_TRUE(interrupted.out.contains(QLatin1String("Straightener          OK")))
        << interrupted.out.toStdString();

    const ZavdiagResult next = user.Run({"diagnose", "--port", "100"});
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_TRUE(next.err.contains(QLatin1String("Data fetched!\nRam file download completed!")))
        << next.err.toStdString();
    EXPECT_TRUE(next.out.trimmed().endsWith(QLatin1String("PASSED")));
}

// Outside the green-paper step the window closes at once, as its close box
// would: the test in progress ends, the unit leaves the RAM utility.
TEST_F(InterruptTest, ADiagnoseInterruptedDuringItsTestsClosesAtOnce) {
    const ZavsimProcess unit({"--model", "TM6", "--paper-delay", "0"});
    ASSERT_FALSE(unit.path().isEmpty());
    ZavdiagUser user;
    user.PointPort(kSimulatedPort, unit.path());
    user.Start({"diagnose", "--port", "100"});
    ASSERT_TRUE(user.WaitFor(QStringLiteral("Stacker tested!"), kStepLimitMs));
    QElapsedTimer sinceSignal;
    sinceSignal.start();
    user.Signal(SIGINT);
    const ZavdiagResult interrupted = user.Finish();
    EXPECT_LT(sinceSignal.elapsed(), 5'000);
    EXPECT_EQ(interrupted.exitCode, 2);
    EXPECT_TRUE(interrupted.err.endsWith(QLatin1String("zavdiag diagnose: interrupted\n")))
        << interrupted.err.toStdString();

    const ZavdiagResult next = user.Run({"diagnose", "--port", "100"});
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_TRUE(next.err.contains(QLatin1String("Ram file download completed!")));
}

// SIGTERM in the middle of a script's wait: the console ends, the unit is
// told to leave the RAM utility, and a diagnostic after it runs in full.
TEST_F(InterruptTest, ControlsEndAsTheirWindowClosesOnSigterm) {
    const ZavsimProcess unit({"--model", "TM4", "--paper-delay", "0"});
    ASSERT_FALSE(unit.path().isEmpty());
    ZavdiagUser user;
    user.PointPort(kSimulatedPort, unit.path());
    user.Start({"controls", "--port", "100"});
    user.SendInput("wait 600\n");
    ASSERT_TRUE(user.WaitFor(QStringLiteral("Type help for the commands."), kStepLimitMs, true));
    QElapsedTimer sinceSignal;
    sinceSignal.start();
    user.Signal(SIGTERM);
    const ZavdiagResult controls = user.Finish();
    EXPECT_LT(sinceSignal.elapsed(), 5'000);
    EXPECT_EQ(controls.exitCode, 2);
    EXPECT_TRUE(controls.err.endsWith(QLatin1String("zavdiag controls: interrupted\n")))
        << controls.err.toStdString();

    const ZavdiagResult next = user.Run({"diagnose", "--port", "100"});
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_TRUE(next.err.contains(QLatin1String("Ram file download completed!")));
}

TEST_F(InterruptTest, InitialiseStopsFollowingTheUnitWhenInterrupted) {
    ZavdiagUser user;
    user.Start({"initialise", "--simulate", "TM6"});
    ASSERT_TRUE(user.WaitFor(QStringLiteral("Initialisation busy"), kStepLimitMs, true));
    user.Signal(SIGINT);
    const ZavdiagResult result = user.Finish();
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.endsWith(QLatin1String("zavdiag initialise: interrupted\n")))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(QLatin1String("Initialisation process complete")));
}

// The first Ctrl-C lets the run end the way the unit allows; the second is
// not kept waiting by a unit that does not answer.
TEST_F(InterruptTest, ASecondInterruptEndsAtOnce) {
    ZavdiagUser user;
    user.Start({"diagnose", "--simulate", "TM6", "--fault", "noreply"});
    ASSERT_TRUE(user.WaitFor(QStringLiteral("Getting sensor data from device..."), kStepLimitMs));
    user.Signal(SIGINT);
    // The first may end the run by itself when the link call in flight gives
    // up at once; then there is no second to send.
    const bool endedByTheFirst = user.WaitFor(QStringLiteral("interrupted"), 300);
    QElapsedTimer sinceSecond;
    sinceSecond.start();
    if (!endedByTheFirst) user.Signal(SIGINT);
    const ZavdiagResult result = user.Finish();
    // The unanswered identification alone would take six seconds more; the
    // sanitizer builds need a while to end a process.
    EXPECT_LT(sinceSecond.elapsed(), 3'000);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(QLatin1String("interrupted"))) << result.err.toStdString();
}

}  // namespace
}  // namespace zav::cli::test
