// Whole diagnostics through zavdiag against its in-process simulator: every
// model passes when healthy and writes its results file, and a fault fails
// exactly the rows it targets.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "core_test_support.h"
#include "zav/sim/profile.h"
#include "zavdiag_runner.h"

namespace zav::cli::test {
namespace {

struct ModelRun {
    const sim::Profile* profile;
    QString csvPath;
    std::unique_ptr<ZavdiagUser> user = std::make_unique<ZavdiagUser>();
};

// The unit type the tool settles on: a TM5 whose firmware ends in TM3's
// characters is a TM3.
QString ExpectedUnitType(const sim::Profile& profile) {
    return profile.name == std::string("TM5-TM3") ? QStringLiteral("TM3")
                                                  : QString::fromLatin1(profile.unit_type);
}

TEST(DiagnoseEveryModelTest, HealthyUnitsPassAndTheirResultsFilesHoldEverySensor) {
    app::test::ensureApplication();
    const QTemporaryDir directory;
    std::vector<ModelRun> runs;
    for (const sim::Profile* profile : sim::all_profiles()) {
        if (std::string(profile->unit_type).empty()) continue;  // not a validator
        ModelRun& run = runs.emplace_back(ModelRun{profile, directory.filePath(profile->name)});
        run.user->Start(
            {"diagnose", "--simulate", profile->name, "--paper-delay", "0", "--csv", run.csvPath});
    }
    ASSERT_EQ(runs.size(), 8u);
    for (ModelRun& run : runs) {
        SCOPED_TRACE(run.profile->name);
        const ZavdiagResult result = run.user->Finish();
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.trimmed().endsWith(QLatin1String("\nPASSED")))
            << result.out.toStdString();
        EXPECT_TRUE(result.err.contains(QLatin1String("Diagnostics results saved in .CSV file.")));

        QFile file(run.csvPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray csv = file.readAll();
        EXPECT_EQ(csv.count('\n'), csv.count("\r\n")) << "every line ends with CR LF";
        const QList<QByteArray> lines = csv.split('\n');
        const std::size_t sensors = run.profile->sensors.size();
        ASSERT_EQ(static_cast<std::size_t>(lines.size()), 4 + sensors + 1);
        EXPECT_EQ(lines[0], " Type,  Serial Nb.,  Firmware Ver.,  Data sets Ver.\r");
        EXPECT_TRUE(lines[1].startsWith(ExpectedUnitType(*run.profile).toLatin1() + ','));
        EXPECT_EQ(lines[2], "\r");
        EXPECT_TRUE(lines[3].startsWith("Sensor,Code,Type,"));
        for (std::size_t i = 0; i < sensors; ++i) {
            const QList<QByteArray> fields = lines[4 + static_cast<qsizetype>(i)].split(',');
            ASSERT_EQ(fields.size(), 24) << lines[4 + static_cast<qsizetype>(i)].toStdString();
            EXPECT_EQ(fields[0], run.profile->sensors[i].name);
            EXPECT_EQ(fields[23], "OK\r");
        }
    }
}

struct FaultRun {
    QStringList arguments;
    QList<int> failedSensors;
    QStringList failedMechanisms;
    std::unique_ptr<ZavdiagUser> user = std::make_unique<ZavdiagUser>();
};

QList<int> FailedSensors(const QJsonArray& sensors) {
    QList<int> failed;
    for (qsizetype i = 0; i < sensors.size(); ++i) {
        if (!sensors[i].toObject()["passed"].toBool()) failed << static_cast<int>(i);
    }
    return failed;
}

QStringList FailedMechanisms(const QJsonArray& mechanisms) {
    QStringList failed;
    for (const QJsonValue& mechanism : mechanisms) {
        if (!mechanism.toObject()["passed"].toBool()) failed << mechanism["name"].toString();
    }
    return failed;
}

TEST(DiagnoseEveryModelTest, AFaultFailsExactlyTheRowsItTargets) {
    app::test::ensureApplication();
    std::vector<FaultRun> runs;
    runs.push_back({{"--simulate", "RX8", "--fault", "pathfail=2"}, {2}, {}});
    runs.push_back({{"--simulate", "TM3", "--fault", "mechfail=reverse"}, {}, {"Motor Rev"}});
    // The straightener rule decides the straightener row and sensor 19.
    runs.push_back(
        {{"--simulate", "TM6", "--fault", "paperfail=0", "--fault", "mechfail=straightener"},
         {0, 19},
         {"Straightener"}});
    for (FaultRun& run : runs) {
        run.user->Start(QStringList{"diagnose", "--json", "--paper-delay", "0"} + run.arguments);
    }
    for (FaultRun& run : runs) {
        SCOPED_TRACE(run.arguments.join(' ').toStdString());
        const ZavdiagResult result = run.user->Finish();
        EXPECT_EQ(result.exitCode, 1) << result.err.toStdString();
        QJsonParseError error{};
        const QJsonObject document = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
        EXPECT_EQ(document["verdict"].toString(), "FAILED");
        EXPECT_EQ(FailedSensors(document["sensors"].toArray()), run.failedSensors);
        EXPECT_EQ(FailedMechanisms(document["mechanisms"].toArray()), run.failedMechanisms);
        // The status lines went to standard error as they changed, in order.
        const qsizetype testing = result.err.indexOf(QString::fromUtf8("Testing\u2026"));
        EXPECT_GT(testing, result.err.indexOf(QLatin1String("Ram file download completed!")));
        EXPECT_GT(result.err.indexOf(QLatin1String("Please now insert a green paper.")), testing);
    }
}

}  // namespace
}  // namespace zav::cli::test
