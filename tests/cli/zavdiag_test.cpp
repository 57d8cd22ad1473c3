// zavdiag as a user runs it: arguments that cannot work, a unit without
// sensor data, the stored port, the port list and the user's language.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <memory>

#include "core_test_support.h"
#include "zav/platform/pseudo_terminal.h"
#include "zav/sim/simulator.h"
#include "zavdiag_runner.h"

namespace zav::cli::test {
namespace {

constexpr int kStoredPort = 101;

class ZavdiagTest : public ::testing::Test {
  protected:
    void SetUp() override { app::test::ensureApplication(); }
};

TEST_F(ZavdiagTest, ArgumentsThatCannotWorkEndWithStatusTwoAndAReason) {
    const struct {
        QStringList arguments;
        const char* reason;
    } cases[] = {
        {{}, "Usage: zavdiag"},
        {{"repair"}, "unknown command repair"},
        {{"diagnose"}, "no serial port is stored"},
        {{"identify", "--port", "0"}, "the port number must be 1 to 255\nUsage: zavdiag identify"},
        {{"diagnose", "--simulate", "TM9"}, "unknown model TM9"},
        {{"diagnose", "--port", "3", "--simulate", "TM6"}, "do not go together"},
        {{"diagnose", "--fault", "nopaper"}, "need --simulate"},
        {{"diagnose", "--simulate", "TM6", "--fault", "nopaper=1"}, "nopaper takes no value"},
        {{"diagnose", "--simulate", "TM6", "--paper-delay", "-1"}, "paper delay must be"},
        {{"diagnose", "--csv"}, "--csv needs a value"},
        {{"identify", "--json"}, "unknown argument --json\nUsage: zavdiag identify [--port N"},
        {{"--verbose"}, "unknown option --verbose\nUsage: zavdiag COMMAND"},
        {{"ports", "--all"}, "unknown argument --all\nUsage: zavdiag ports"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ZavdiagResult result = ZavdiagUser().Run(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(QLatin1String(c.reason))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

// The RAM utility's channel reaches COM127 at most: one rule, said once for
// any port a diagnose or controls cannot take (given or stored), before
// anything is sent; identify takes the port list's numbers.
TEST_F(ZavdiagTest, APortTheRamUtilityCannotReachIsRefusedByOneRule) {
    const QString rule = QStringLiteral(
        "the port number must be 1 to 127, as the RAM utility's channel reaches no higher\n");
    const struct {
        QStringList arguments;
        int storedPort;
        QString err;
    } cases[] = {
        {{"diagnose", "--port", "150"}, 0, "zavdiag diagnose: " + rule},
        {{"diagnose", "--port", "0"}, 0, "zavdiag diagnose: " + rule},
        {{"controls", "--port", "128"}, 0, "zavdiag controls: " + rule},
        {{"controls", "--port", "256"}, 0, "zavdiag controls: " + rule},
        {{"controls", "--port", "x"}, 0, "zavdiag controls: " + rule},
        {{"controls"}, 200, "zavdiag controls: the stored port is COM200; " + rule},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        ZavdiagUser user;
        if (c.storedPort) user.StorePort(c.storedPort);
        user.PointPort(c.storedPort ? c.storedPort : 100, QStringLiteral("/dev/null"));
        const ZavdiagResult result = user.Run(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.startsWith(c.err)) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains(QLatin1String("255"))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

// One line with the device path and a reason the engineer can act on, and
// nothing else: every request would fail with a message of its own.
TEST_F(ZavdiagTest, APortThatDoesNotOpenIsOneLineWithItsReason) {
    const QTemporaryDir directory;
    const struct {
        const char* path;
        QString line;
    } cases[] = {
        {"/dev/null", "COM100 (/dev/null): not a serial device\n"},
        {"", "COM100 (no device): no such device\n"},
        {nullptr, "COM100 (" + directory.filePath("ttyUSB0") + "): no such device\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        ZavdiagUser user;
        user.PointPort(100, c.path ? QString::fromLatin1(c.path) : directory.filePath("ttyUSB0"));
        const ZavdiagResult result = user.Run({"identify", "--port", "100"});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, c.line);
    }

    // Another program holds the unit's port exclusively (root may still open
    // it, but the line says what is going on).
    sim::Simulator unit(sim::Options{"TM4"});
    std::string why;
    ASSERT_TRUE(unit.start(&why)) << why;
    const int holder = ::open(unit.slave_path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    ZavdiagUser user;
    user.PointPort(100, QString::fromStdString(unit.slave_path()));
    const ZavdiagResult held = user.Run({"identify", "--port", "100"});
    ::close(holder);
    EXPECT_TRUE(held.err.endsWith(QStringLiteral("COM100 (%1): in use by another program\n")
                                      .arg(QString::fromStdString(unit.slave_path()))))
        << held.err.toStdString();
    if (::geteuid() != 0) {
        EXPECT_EQ(held.exitCode, 2);
    }
}

// 2 when the command could not run, 1 when it ran on the unit and failed,
// whatever the moment the unit was lost after it was identified.
TEST_F(ZavdiagTest, ExitStatusesFollowTheReadme) {
    for (const char* command : {"identify", "diagnose", "controls", "initialise"}) {
        SCOPED_TRACE(command);
        ZavdiagUser user;
        user.PointPort(100, QStringLiteral("/dev/null"));
        user.Start({command, "--port", "100"});
        user.SendInput(QByteArray());
        const ZavdiagResult result = user.Finish();
        EXPECT_EQ(result.exitCode, 2) << result.err.toStdString();
        EXPECT_TRUE(result.err.endsWith(QLatin1String("COM100 (/dev/null): not a serial device\n")))
            << result.err.toStdString();
    }

    // Nothing answers on the line.
    platform::PseudoTerminal silent;
    ASSERT_TRUE(silent.open());
    ZavdiagUser user;
    user.PointPort(100, QString::fromStdString(silent.slave_path()));
    const ZavdiagResult initialise = user.Run({"initialise", "--port", "100"});
    EXPECT_EQ(initialise.exitCode, 2) << initialise.err.toStdString();
    EXPECT_TRUE(initialise.err.contains(QLatin1String("No connection to validator detected")));

    // The unit goes (its simulator ends, taking the port with it) after the
    // download, and in the middle of the tests: the verdicts reached stay,
    // and nothing says the port number was wrong.
    const struct {
        const char* moment;
        QStringList passedMechanisms;
    } losses[] = {{"Ram file download completed!", {}}, {"Stacker tested!", {"Stacker"}}};
    for (const auto& loss : losses) {
        SCOPED_TRACE(loss.moment);
        ZavsimProcess unit({"--model", "TM6"});
        ASSERT_FALSE(unit.path().isEmpty());
        ZavdiagUser lost;
        lost.PointPort(100, unit.path());
        lost.Start({"diagnose", "--port", "100", "--json"});
        if (!lost.WaitFor(QLatin1String(loss.moment), 60'000)) {
            FAIL() << "never shown; zavdiag printed:\n" << lost.Finish().err.toStdString();
        }
        // zavdiag is held still while its unit goes, so the loss lands at
        // this moment and not in the next step, however slow the machine.
        lost.Signal(SIGSTOP);
        unit.Stop();
        lost.Signal(SIGCONT);
        const ZavdiagResult result = lost.Finish();
        EXPECT_EQ(result.exitCode, 1) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains(QLatin1String("INVALID PORT")))
            << result.err.toStdString();
        EXPECT_TRUE(
            result.err.endsWith(QStringLiteral("COM100 (%1): no such device\n").arg(unit.path())))
            << result.err.toStdString();
        QStringList passed;
        for (const QJsonValue& row :
             QJsonDocument::fromJson(result.out.toUtf8())["mechanisms"].toArray()) {
            if (row["passed"].toBool()) passed << row["name"].toString();
        }
        EXPECT_EQ(passed, loss.passedMechanisms);
    }
}

// NaN passes both ends of a range check; a script's "wait nan" once never
// returned.
TEST_F(ZavdiagTest, TheControlsConsoleRefusesAWaitThatIsNoTime) {
    ZavdiagUser user;
    user.Start({"controls", "--simulate", "TM4"});
    user.SendInput("wait nan\nwait inf\nwait -1\nwait 601\nwait 0.05\nquit\n");
    const ZavdiagResult result = user.Finish();
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    for (const char* refused : {"nan", "inf", "-1", "601"}) {
        EXPECT_TRUE(result.err.contains(
            QStringLiteral("wait: \"%1\" is not a number of seconds from 0 to 600\n").arg(refused)))
            << result.err.toStdString();
    }
    EXPECT_FALSE(result.err.contains(QLatin1String("\"0.05\"")));
}

TEST_F(ZavdiagTest, VersionAndHelpAnswerOnStandardOutput) {
    const ZavdiagResult version = ZavdiagUser().Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "zavdiag 1.0.4\n");
    EXPECT_TRUE(version.err.isEmpty());
    const ZavdiagResult help = ZavdiagUser().Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QLatin1String("Usage: zavdiag"))) << help.out.toStdString();
    EXPECT_TRUE(
        help.out.contains(QLatin1String("(--report) is PDF or HTML, written without a display")))
        << help.out.toStdString();

    const QString zavsim = QString::fromLocal8Bit(qgetenv("ZAV_DIST_DIR")) + "/zavsim";
    const struct {
        QStringList arguments;
        int exitCode;
        const char* out;
        const char* err;
    } simulatorCases[] = {
        {{"--version"}, 0, "zavsim 1.0.4\n", ""},
        {{"--model", "TM6", "--verbose"}, 2, "", "zavsim: unknown option --verbose\nUsage: zavsim"},
        {{"--port-number", "0"}, 2, "", "zavsim: the port number must be 1 to 256\nUsage: zavsim"},
    };
    for (const auto& c : simulatorCases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess process;
        process.start(zavsim, c.arguments);
        ASSERT_TRUE(process.waitForFinished(10'000));
        EXPECT_EQ(process.exitCode(), c.exitCode);
        EXPECT_EQ(process.readAllStandardOutput(), c.out);
        const QByteArray err = process.readAllStandardError();
        EXPECT_TRUE(err.startsWith(c.err)) << err.toStdString();
    }
}

TEST_F(ZavdiagTest, UnitWithoutSensorDataCannotBeDiagnosed) {
    const ZavdiagResult result = ZavdiagUser().Run({"diagnose", "--simulate", "PQ1", "--json"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(
        result.err.contains(QLatin1String("Warning: No sensor data for diagnostics found in this "
                                          "device.\nConnection lost!")))
        << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QLatin1String("\"verdict\": null")))
        << result.out.toStdString();
}

// Standard output holds what the run obtained and nothing else: no identity
// of a unit that never answered, no headers over empty lists.
TEST_F(ZavdiagTest, DiagnosePrintsOnlyWhatTheRunObtained) {
    platform::PseudoTerminal silent;
    ASSERT_TRUE(silent.open());
    ZavdiagUser user;
    user.PointPort(100, QString::fromStdString(silent.slave_path()));
    const ZavdiagResult unanswered = user.Run({"diagnose", "--port", "100"});
    EXPECT_EQ(unanswered.exitCode, 2);
    EXPECT_TRUE(unanswered.err.contains(QLatin1String("No sync response")))
        << unanswered.err.toStdString();
    EXPECT_EQ(unanswered.out, QString());

    // Identified, without sensor data: the identity alone.
    const ZavdiagResult noSensors = ZavdiagUser().Run({"diagnose", "--simulate", "PQ1"});
    EXPECT_EQ(noSensors.exitCode, 2);
    EXPECT_TRUE(noSensors.out.startsWith(QLatin1String(" Type PQ1\n")))
        << noSensors.out.toStdString();
    EXPECT_EQ(noSensors.out.count(u'\n'), 4) << noSensors.out.toStdString();
}

// A machine without serial ports: an empty COM<n> hides a real device, so
// every number the devices map to is emptied. The listing did its job (0),
// and says what it found.
TEST_F(ZavdiagTest, PortsSaysWhenNoSerialPortWasFound) {
    ZavdiagUser user;
    for (int n = 1; n <= 96; ++n) user.PointPort(n, QString());
    const ZavdiagResult none = user.Run({"ports"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, QString());
    EXPECT_TRUE(none.err.startsWith(QLatin1String("zavdiag ports: no serial port was found")))
        << none.err.toStdString();

    user.StorePort(5);
    const ZavdiagResult stored = user.Run({"ports"});
    EXPECT_EQ(stored.exitCode, 0);
    EXPECT_EQ(stored.out, QStringLiteral("* COM5 (INACTIVE)\n"));
    EXPECT_TRUE(stored.err.contains(QLatin1String("no serial port was found")));

    user.PointPort(100, QStringLiteral("/dev/null"));
    const ZavdiagResult one = user.Run({"ports"});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.out.contains(QLatin1String("  COM100\n"))) << one.out.toStdString();
    EXPECT_EQ(one.err, QString());
}

// A unit on the stored port, in Spanish: the status lines, the identity
// labels and the port list.
TEST_F(ZavdiagTest, StoredPortAndTheUsersLanguageAreThoseOfTheProgram) {
    sim::Simulator unit(sim::Options{"TM4"});
    std::string why;
    ASSERT_TRUE(unit.start(&why)) << why;
    ZavdiagUser user(QStringLiteral("es_ES.UTF-8"));
    user.StorePort(kStoredPort);
    user.PointPort(kStoredPort, QString::fromStdString(unit.slave_path()));

    const ZavdiagResult identified = user.Run({"identify"});
    EXPECT_EQ(identified.exitCode, 0) << identified.err.toStdString();
    EXPECT_TRUE(identified.err.contains(
        QLatin1String("Recuperando datos del sensor del dispositivo...\nDatos recividos!")))
        << identified.err.toStdString();
    EXPECT_TRUE(identified.out.startsWith(QLatin1String(" Tipo TM4\n")))
        << identified.out.toStdString();

    const ZavdiagResult ports = user.Run({"ports"});
    EXPECT_EQ(ports.exitCode, 0);
    EXPECT_TRUE(ports.out.contains(QStringLiteral("* COM%1\n").arg(kStoredPort)))
        << ports.out.toStdString();
}

}  // namespace
}  // namespace zav::cli::test
