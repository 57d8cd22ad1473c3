// The service history on a PostgreSQL server this test starts: the same
// runs come back, several programs write at once, the first schema is
// brought up to date, and a server that goes away sends the run to the
// local file with a warning.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "core_test_support.h"
#include "postgres_server.h"
#include "sample_run.h"
#include "schema.h"
#include "writers.h"
#include "zav/diag/results_csv.h"
#include "zav/history/history.h"
#include "zav/history/recording.h"

namespace zav::history::test {
namespace {

class HistoryPostgresTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (PostgresServer::ProgramFolder().isEmpty()) return;
        server_ = new PostgresServer;
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }

    void SetUp() override {
        app::test::useBuiltProgram();
        if (!server_) GTEST_SKIP() << "PostgreSQL is not installed: its tests are skipped";
        ASSERT_TRUE(server_->ok()) << server_->error().toStdString();
        qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("ZAV_HISTORY"); }

    // A database of the test's own on the server, named after it.
    QString NewDatabase() {
        const QString name =
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name())
                .toLower();
        EXPECT_TRUE(server_->CreateDatabase(name)) << server_->error().toStdString();
        return server_->Url(name);
    }

    std::unique_ptr<History> Open(const QString& url) {
        Location location;
        QString error;
        EXPECT_TRUE(ParseLocation(url, &location, &error)) << error.toStdString();
        auto history = History::Open(location, &error);
        EXPECT_TRUE(history) << error.toStdString();
        return history;
    }

    static PostgresServer* server_;
    QTemporaryDir dir_;
};

PostgresServer* HistoryPostgresTest::server_ = nullptr;

TEST_F(HistoryPostgresTest, RunComesBackWholeAndListsAsOnSqlite) {
    auto history = Open(NewDatabase());
    ASSERT_TRUE(history);
    EXPECT_EQ(history->schemaVersion(), kSchemaVersion);
    HistoryRun run = SampleRun(9, 4294967295.0, 3);
    run.record.unit.SensorName[0] = QStringLiteral("x'; DROP TABLE runs; -- ü");
    run.record.shown = diag::ShowResults(run.record.results(), true);
    QString error;
    const std::int64_t id = history->Record(run, &error);
    ASSERT_GT(id, 0) << error.toStdString();
    const auto loaded = history->Load(id, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_EQ(Csv(*loaded), Csv(run));
    EXPECT_EQ(loaded->record.started, run.record.started);
    const auto lines =
        history->List(Filter([&](RunFilter& f) { f.verdict = QStringLiteral("FAILED"); }), &error);
    ASSERT_TRUE(lines) << error.toStdString();
    ASSERT_EQ(lines->size(), 1u);
    EXPECT_EQ(lines->front().serial, QStringLiteral("4294967295"));
    EXPECT_EQ(history->SensorTrend(QStringLiteral("4294967295"), QStringLiteral("Sensor 2"), &error)
                  .size(),
              1u);
}

TEST_F(HistoryPostgresTest, ThreeProgramsWritingAtOnceLoseNothing) {
    const QString url = NewDatabase();
    qputenv("ZAV_HISTORY", url.toLocal8Bit());
    constexpr int kEach = 25;
    ASSERT_TRUE(RecordFromPrograms(3, kEach, 500));
    auto history = Open(url);
    QString error;
    EXPECT_EQ(history->List(Filter([&](RunFilter& f) { f.limit = 1000; }), &error)->size(),
              3u * kEach);
    EXPECT_FALSE(QFile::exists(DefaultHistoryPath())) << "nothing went to the local file";
}

TEST_F(HistoryPostgresTest, FirstSchemaIsBroughtUpToDate) {
    const QString url = NewDatabase();
    {
        Location location;
        QString error;
        ASSERT_TRUE(ParseLocation(url, &location, &error));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "v1");
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setUserName(location.user);
        db.setDatabaseName(location.database);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(schema::Migrate(db, schema::Dialect::Postgres, 1, &error))
            << error.toStdString();
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(
            "INSERT INTO runs (started_utc, tool, host, unit_type, serial, firmware, dataset, "
            "verdict, run_end, status_text, simulated, verdicts_shown, sensor_count, "
            "mechanism_count) VALUES ('2025-05-01T10:00:00.000Z', 'diagnostic', 'old', 'TM6', "
            "42, 'FW', 'DS', 'PASSED', 4, '', 0, 1, 0, 0)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("v1");
    auto history = Open(url);
    ASSERT_TRUE(history);
    EXPECT_EQ(history->schemaVersion(), kSchemaVersion);
    QString error;
    EXPECT_EQ(history->List({}, &error)->size(), 1u);
    EXPECT_GT(history->Record(SampleRun(), &error), 0) << error.toStdString();
}

TEST_F(HistoryPostgresTest, ServerGoneKeepsTheRunInTheLocalFile) {
    const QString url = NewDatabase();
    qputenv("ZAV_HISTORY", url.toLocal8Bit());
    ASSERT_TRUE(RecordRun(SampleRun(1, 77.0)));
    auto open = Open(url);  // a history open while the server goes
    server_->Stop();

    QString error;
    EXPECT_EQ(open->Record(SampleRun(), &error), 0);
    EXPECT_FALSE(error.isEmpty());
    {
        app::test::RecordingFrontEnd front;
        EXPECT_TRUE(RecordRun(SampleRun(2, 77.0)));
        ASSERT_EQ(front.messages().size(), 1);
        const QString warning = front.messages()[0];
        EXPECT_TRUE(warning.contains(QLatin1String("could not be reached")))
            << warning.toStdString();
        EXPECT_TRUE(
            warning.contains(QLatin1String("kept in the local history ") + DefaultHistoryPath()))
            << warning.toStdString();
    }
    ASSERT_TRUE(server_->Start()) << server_->error().toStdString();
    Location local;
    ParseLocation(QString(), &local, &error);
    const auto kept = History::Open(local, &error);
    ASSERT_TRUE(kept);
    EXPECT_EQ(
        kept->List(Filter([&](RunFilter& f) { f.serial = QStringLiteral("77"); }), &error)->size(),
        1u);
    EXPECT_EQ(Open(url)
                  ->List(Filter([&](RunFilter& f) { f.serial = QStringLiteral("77"); }), &error)
                  ->size(),
              1u);
}

}  // namespace
}  // namespace zav::history::test
