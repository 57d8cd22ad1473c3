// zavdiag records its runs and reads them back as an engineer uses it: two
// diagnostics and an initialisation listed newest first, one run's results
// file and report again byte for byte, the same against a server.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "core_test_support.h"
#include "postgres_server.h"
#include "zavdiag_runner.h"

namespace zav::history::test {
namespace {

using cli::test::ZavdiagResult;
using cli::test::ZavdiagUser;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class HistoryZavdiagTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::test::ensureApplication();
        qputenv("ZAV_HISTORY", dir_.filePath(QStringLiteral("history.sqlite")).toLocal8Bit());
    }
    void TearDown() override { qunsetenv("ZAV_HISTORY"); }
    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    QJsonArray List(const QStringList& arguments = {}) {
        const ZavdiagResult result =
            ZavdiagUser().Run(QStringList{"history", "--json"} + arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out.toUtf8()).array();
    }

    QTemporaryDir dir_;
};

TEST_F(HistoryZavdiagTest, RunsAreListedAndShownAgainByteForByte) {
    const ZavdiagResult first =
        ZavdiagUser().Run({"diagnose", "--simulate", "TM6", "--paper-delay", "0", "--csv",
                           Path("first.csv"), "--report", Path("first.html")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const ZavdiagResult failed = ZavdiagUser().Run(
        {"diagnose", "--simulate", "TM6", "--fault", "noack=85", "--paper-delay", "0"});
    EXPECT_EQ(failed.exitCode, 1) << failed.err.toStdString();
    const ZavdiagResult init = ZavdiagUser().Run({"initialise", "--simulate", "TM6"});
    EXPECT_EQ(init.exitCode, 0) << init.err.toStdString();

    const QJsonArray runs = List();
    ASSERT_EQ(runs.size(), 3);
    const QJsonObject newest = runs[0].toObject();
    EXPECT_EQ(newest.value("tool").toString(), QStringLiteral("initialise"));
    EXPECT_EQ(runs[1].toObject().value("verdict").toString(), QStringLiteral("NOT TESTED"));
    const QJsonObject oldest = runs[2].toObject();
    EXPECT_EQ(oldest.value("tool").toString(), QStringLiteral("diagnostic"));
    EXPECT_EQ(oldest.value("verdict").toString(), QStringLiteral("PASSED"));
    EXPECT_EQ(oldest.value("type").toString(), QStringLiteral("TM6"));
    EXPECT_EQ(oldest.value("serial").toString(), QStringLiteral("3289480992"));
    EXPECT_EQ(oldest.value("firmware").toString(), QStringLiteral("TM0006 V0118 TM6"));
    EXPECT_TRUE(oldest.value("simulated").toBool());
    EXPECT_TRUE(QDateTime::fromString(oldest.value("time").toString(), Qt::ISODate).isValid());
    for (const QJsonValue& run : runs) EXPECT_TRUE(run.toObject().value("simulated").toBool());

    const QString id = QString::number(oldest.value("id").toInteger());
    const ZavdiagResult shown = ZavdiagUser().Run(
        {"history", "--show", id, "--csv", Path("again.csv"), "--report", Path("again.html")});
    ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(ReadAll(Path("again.csv")), ReadAll(Path("first.csv")));
    EXPECT_FALSE(ReadAll(Path("first.csv")).isEmpty());
    EXPECT_EQ(ReadAll(Path("again.html")), ReadAll(Path("first.html")));
    EXPECT_TRUE(shown.out.contains(QLatin1String("Magnetic Right")));

    EXPECT_EQ(List({"--verdict", "PASSED"}).size(), 2);
    EXPECT_EQ(List({"--serial", "3289480992", "--type", "TM6", "--limit", "1"}).size(), 1);
    EXPECT_EQ(List({"--serial", "1"}).size(), 0);
    EXPECT_EQ(List({"--since", "2999-01-01"}).size(), 0);

    const ZavdiagResult text = ZavdiagUser().Run({"history"});
    EXPECT_EQ(text.out.count(QLatin1Char('\n')), 3);
    EXPECT_TRUE(text.out.contains(QLatin1String("simulated")));
}

TEST_F(HistoryZavdiagTest, WrongArgumentsAreRefusedWithTheReason) {
    for (const QStringList& arguments :
         {QStringList{"history", "--verdict", "MAYBE"}, QStringList{"history", "--limit", "0"},
          QStringList{"history", "--since", "yesterday"}, QStringList{"history", "--csv", "x.csv"},
          QStringList{"history", "--show", "1", "--report", "x.txt"},
          QStringList{"history", "--what"}}) {
        const ZavdiagResult result = ZavdiagUser().Run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QLatin1String("Usage: zavdiag history")))
            << result.err.toStdString();
    }
    const ZavdiagResult none = ZavdiagUser().Run({"history", "--show", "12345"});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.err.contains(QLatin1String("there is no run 12345")));
}

TEST_F(HistoryZavdiagTest, ServiceCentreServerKeepsTheRuns) {
    if (PostgresServer::ProgramFolder().isEmpty())
        GTEST_SKIP() << "PostgreSQL is not installed: its test is skipped";
    PostgresServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    qputenv("ZAV_HISTORY", server.Url().toLocal8Bit());
    const ZavdiagResult run = ZavdiagUser().Run(
        {"diagnose", "--simulate", "TM6", "--paper-delay", "0", "--csv", Path("a.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QLatin1String("history"))) << run.err.toStdString();
    const QJsonArray runs = List();
    ASSERT_EQ(runs.size(), 1);
    const ZavdiagResult shown = ZavdiagUser().Run(
        {"history", "--show", QString::number(runs[0].toObject().value("id").toInteger()), "--csv",
         Path("b.csv")});
    EXPECT_EQ(ReadAll(Path("b.csv")), ReadAll(Path("a.csv")));
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("history.sqlite"))));
}

}  // namespace
}  // namespace zav::history::test
