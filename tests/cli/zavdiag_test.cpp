// zavdiag as a user runs it: arguments that cannot work, a unit without
// sensor data, the stored port, the port list and the user's language.
#include <gtest/gtest.h>

#include <memory>

#include "core_test_support.h"
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
        {{"diagnose", "--port", "0"}, "the port number must be 1 to 255"},
        {{"diagnose", "--simulate", "TM9"}, "unknown model TM9"},
        {{"diagnose", "--port", "3", "--simulate", "TM6"}, "do not go together"},
        {{"diagnose", "--fault", "nopaper"}, "need --simulate"},
        {{"diagnose", "--simulate", "TM6", "--fault", "nopaper=1"}, "nopaper takes no value"},
        {{"diagnose", "--simulate", "TM6", "--paper-delay", "-1"}, "paper delay must be"},
        {{"diagnose", "--csv"}, "--csv needs a value"},
        {{"identify", "--json"}, "unknown argument --json"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ZavdiagResult result = ZavdiagUser().Run(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(QLatin1String(c.reason))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
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
