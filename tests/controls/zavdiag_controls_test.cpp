// zavdiag controls and zavdiag initialise run as a user runs them, against
// an in-process simulated unit: a script of commands on standard input, the
// refusals, the live reading, and the exit statuses.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core_test_support.h"
#include "zavdiag_runner.h"

namespace zav::controls {
namespace {

using cli::test::ZavdiagResult;
using cli::test::ZavdiagUser;

ZavdiagResult runWithInput(const QStringList& arguments, const QByteArray& input) {
    ZavdiagUser user;
    user.Start(arguments);
    user.SendInput(input);
    return user.Finish();
}

TEST(ZavdiagControlsTest, ScriptIsCarriedOutWithClearRefusalsAndLiveReadings) {
    const ZavdiagResult result =
        runWithInput({"controls", "--simulate", "TM6"},
                     "stacker park\nbezel red\nbezel red\npoll entry centre\nwait 0.5\nunpoll\n"
                     "stacker off\nfoo\nquit\nfwd\n");
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("Controls: motor, stacker, straightener, bezel."));
    EXPECT_TRUE(result.out.contains("polling 2 Entry Centre"));
    EXPECT_TRUE(result.out.contains(
        QRegularExpression(QStringLiteral("Entry Centre +\\d+ \\[[#.]{20}\\]"))))
        << result.out.toStdString();
    for (const char* line :
         {"Parking staker…", "Changing bezel color!",
          "bezel red: not now, the bezel is red already", "Polling sensor...",
          "stacker off: not now, the stacker is not running", "unknown command \"foo\""}) {
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_FALSE(result.err.contains("Testing motor")) << "nothing runs after quit";
}

TEST(ZavdiagControlsTest, UnitsRefuseWhatTheyLackAndEndOfInputLeaves) {
    const ZavdiagResult result =
        runWithInput({"controls", "--simulate", "RX3"}, "bezel red\nstraightener on\n");
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("bezel red: this unit has no bezel light"));
    EXPECT_TRUE(result.err.contains("straightener on: this unit has no straightener"));

    const ZavdiagResult notValidator = runWithInput({"controls", "--simulate", "PQ1"}, "fwd\n");
    // No sensor data: could not run, as zavdiag diagnose says of the same unit.
    EXPECT_EQ(notValidator.exitCode, 2);
    EXPECT_TRUE(notValidator.err.contains("No sensor data for diagnostics found in this device."));
}

TEST(ZavdiagInitialiseTest, ExitStatusSaysWhetherTheInitialisationCompleted) {
    ZavdiagUser user;
    const ZavdiagResult complete = user.Run({"initialise", "--simulate", "RX5"});
    EXPECT_EQ(complete.exitCode, 0) << complete.err.toStdString();
    EXPECT_TRUE(complete.err.contains("Information: Initialisation process complete"));
    EXPECT_TRUE(complete.out.contains("Validator: RX5"));
    EXPECT_TRUE(complete.out.contains("Initialisation busy")) << "rows shown as they change";
    EXPECT_TRUE(complete.out.contains(
        QRegularExpression(QStringLiteral("Stacker +Calibration complete +gains"))));

    const ZavdiagResult refused =
        user.Run({"initialise", "--simulate", "RX5", "--fault", "code=F5:30/0F"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Error: Can not initialise. No EEPROM data"));

    EXPECT_EQ(user.Run({"initialise", "--simulate", "RX5", "--sensors"}).exitCode, 2);
}

}  // namespace
}  // namespace zav::controls
