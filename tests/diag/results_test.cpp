#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>

#include "zav/app/global.h"
#include "zav/base/messages.h"
#include "zav/diag/model_test_limits.h"
#include "zav/diag/results_csv.h"
#include "zav/diag/results_model.h"
#include "zav/test/message_recorder.h"

namespace zav::diag {
namespace {

using app::Global::LangText;

// A two-sensor unit of the given model with every reported field set.
struct Results {
    explicit Results(const char* unitType) {
        unit.UnitType = QString::fromLatin1(unitType);
        unit.SerialNumber = 4294967295.0;
        unit.SensorCount = 2;
        unit.ResizeSensorLists(2);
        unit.SensorName = {"LED1", "Gate \"A\", left"};
        unit.Code = {1, 2};
        unit.Type = {'A', '_'};
        unit.PaperTgt = {90, 0};
        unit.PaperAch = {91, 0};
        unit.PathTgt = {180, 0};
        unit.PathAch = {181, 0};
        unit.Gain1 = {10, 0};
        unit.Gain2 = {11, 0};
        unit.PhaseDelay = {512, 0};
        unit.FirstG1 = {12, 0};
        unit.FirstG2 = {13, 0};
        unit.ConfigByte27 = {77, 77};  // never reported
        unit.Detect = {50, 0};
        unit.CalDivide = {4, 0};
        unit.DetectThresh = {-56, 0};
        unit.ClearThresh = {-3, 0};
        version.FullFirmware = "RX0003 V1.02,b  ";
        dataset.DatasetCode = "DS000001";
        ModelTestLimits limits;
        SetModelTestLimits(limits, unit.UnitType);
        table.Recreate(unit.SensorCount, limits.MechanismCount);
        *table.Row(0) = {126, 170, 234, true, 0, 3, 0, true};
    }
    DiagnosticResults Inputs() const { return {unit, version, dataset, table}; }
    ResultsView Shown(bool evaluated) const { return ShowResults(Inputs(), evaluated); }

    app::ValidatorData unit;
    app::VersionData version;
    app::DatasetData dataset;
    ResultTable table;
};

std::vector<RowStatus> Statuses(const std::vector<ResultListRow>& rows) {
    std::vector<RowStatus> statuses;
    for (const ResultListRow& row : rows) statuses.push_back(row.status);
    return statuses;
}

QByteArray IdentityLines(const QByteArray& identity) {
    return (LangText(42) + "," + LangText(43) + "," + LangText(44) + "," + LangText(45)).toUtf8() +
           "\r\n" + identity + "\r\n\r\n";
}

const QByteArray kSensorHeader =
    "Sensor,Code,Type,Paper TGT,Paper ACH,Path TGT,Path ACH,Gain 1,Gain 2,Phase Delay,"
    "First G1,First G2,Clear,Detect,Cal Divide,Detect Thresh,Clear Thresh,Path Min,Path Rd,"
    "Path Max,Paper Min,Paper Rd,Paper Max,Status\r\n";

TEST(ResultsView, RowsShowNotTestedUntilTheVerdict) {
    const Results r("TM6");
    const ResultsView before = r.Shown(false);
    EXPECT_EQ(before.identityText, LangText(42) + " TM6\r\n" + LangText(43) + " 4294967295\r\n" +
                                       LangText(44) + " RX0003 V1.02,b  \r\n" + LangText(45) +
                                       " DS000001");
    ASSERT_EQ(before.sensorRows.size(), 2u);
    EXPECT_EQ(before.sensorRows[1].key, "Gate \"A\", left");
    EXPECT_EQ(before.sensorRows[1].text, "Gate \"A\", left");
    EXPECT_EQ(Statuses(before.sensorRows), std::vector<RowStatus>(2, RowStatus::NotTested));
    EXPECT_EQ(Statuses(before.motorRows), std::vector<RowStatus>(4, RowStatus::NotTested));
    ASSERT_EQ(before.sensorColumns.size(), 2u);
    EXPECT_EQ(before.sensorColumns[0].key, "Sensor");
    EXPECT_EQ(before.sensorColumns[1].caption, LangText(16));
    EXPECT_EQ(before.motorColumns[0].caption, LangText(17));
    EXPECT_EQ(before.motorColumns[1].widthTwips, 2000);

    // An aborted run: rows the run did not reach show FAIL.
    const ResultsView after = r.Shown(true);
    EXPECT_EQ(Statuses(after.sensorRows), std::vector<RowStatus>({RowStatus::Ok, RowStatus::Fail}));
    EXPECT_EQ(Statuses(after.motorRows), std::vector<RowStatus>(4, RowStatus::Fail));
}

TEST(ResultsView, MechanicalRowsFollowTheModel) {
    struct Case {
        const char* model;
        std::vector<QString> keys;
        int withStatus;
    };
    const Case cases[] = {
        {"RX3", {"Motor Fwd", "Motor Rev"}, 2},
        {"TM4", {"Motor Fwd", "Motor Rev"}, 2},
        {"TM5", {"Motor Fwd", "Motor Rev", "Stacker"}, 3},
        {"TM6", {"Motor Fwd", "Motor Rev", "Stacker", "Straightener"}, 4},
        {"TM7", {"Motor Fwd", "Motor Rev", "Stacker"}, 0},  // no mechanical rows tested
    };
    for (const Case& c : cases) {
        Results r(c.model);
        for (int row = 0; row < r.table.RowCount(); ++row) r.table.Row(row)->SetVerdict(true);
        const ResultsView view = r.Shown(true);
        ASSERT_EQ(view.motorRows.size(), c.keys.size()) << c.model;
        for (std::size_t k = 0; k < c.keys.size(); ++k) {
            EXPECT_EQ(view.motorRows[k].key, c.keys[k]) << c.model;
            const RowStatus expected =
                static_cast<int>(k) < c.withStatus ? RowStatus::Ok : RowStatus::Blank;
            EXPECT_EQ(view.motorRows[k].status, expected) << c.model << " " << k;
        }
    }
    EXPECT_EQ(Results("TM6").Shown(false).motorRows[3].text, LangText(84));
}

TEST(ResultsView, StatusTextsAndColours) {
    EXPECT_EQ(StatusText(RowStatus::Ok), LangText(1));
    EXPECT_EQ(StatusText(RowStatus::Fail), LangText(46));
    EXPECT_EQ(StatusText(RowStatus::NotTested), LangText(47));
    EXPECT_TRUE(StatusText(RowStatus::Blank).isEmpty());
    EXPECT_EQ(StatusColour(RowStatus::Ok), (RgbColour{0, 0xC0, 0}));
    EXPECT_EQ(StatusColour(RowStatus::Fail), (RgbColour{0xFF, 0, 0}));
    EXPECT_FALSE(StatusColour(RowStatus::NotTested).has_value());
}

TEST(ResultsCsv, ExactBytesBeforeTheVerdict) {
    const Results r("RX3");
    const QByteArray notTested = LangText(47).toUtf8();
    const QByteArray expected =
        IdentityLines("RX3,4294967295,\"RX0003 V1.02,b  \",DS000001") + kSensorHeader +
        "LED1,1,65,90,91,180,181,10,11,512,12,13,-3,50,4,-56,-3,126,170,234,0,3,0," + notTested +
        "\r\n" + "\"Gate \"\"A\"\", left\",2,95,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0," +
        notTested + "\r\n";
    EXPECT_EQ(ResultsCsv(r.Inputs(), r.Shown(false)), expected);
}

TEST(ResultsCsv, StatusFieldIsTheDisplayedText) {
    const Results r("TM4");
    const QList<QByteArray> lines = ResultsCsv(r.Inputs(), r.Shown(true)).split('\n');
    ASSERT_EQ(lines.size(), 7);  // the last is empty after the final CR LF
    EXPECT_TRUE(lines[4].endsWith("," + LangText(1).toUtf8() + "\r"));
    EXPECT_TRUE(lines[5].endsWith("," + LangText(46).toUtf8() + "\r"));

    // Rows the window does not show have an empty status.
    const QList<QByteArray> unshown = ResultsCsv(r.Inputs(), ResultsView{}).split('\n');
    EXPECT_TRUE(unshown[4].endsWith(",0,3,0,\r"));
}

TEST(ResultsCsv, OtherUnitTypesGetOnlyTheIdentity) {
    Results r("PQ1");
    r.unit.SerialNumber = 7;
    r.version.FullFirmware = "PQ0001";
    r.dataset.DatasetCode = "";
    EXPECT_EQ(ResultsCsv(r.Inputs(), r.Shown(true)), IdentityLines("PQ1,7,PQ0001,"));
}

TEST(ResultsCsv, DefaultFileName) {
    const QDateTime when(QDate(2011, 3, 3), QTime(9, 5, 7));
    EXPECT_EQ(DefaultCsvFileName("TM3", when), "TM3_20110303_090507.csv");
    EXPECT_EQ(DefaultCsvFileName("RX8", QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))),
              "RX8_20241231_235959.csv");
    EXPECT_EQ(DefaultCsvFileName(QString("../a") + QChar(0), when), ".._a__20110303_090507.csv");
}

class SaveResultsCsvTest : public ::testing::Test {
  protected:
    zav::test::MessageRecorder sink;
    Results r{"RX5"};
};

TEST_F(SaveResultsCsvTest, WritesTheFileAndReplacesAnOldOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.csv");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(10000, 'x'));
    old.close();

    const ResultsView shown = r.Shown(false);
    ASSERT_TRUE(SaveResultsCsv(path, r.Inputs(), shown));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), ResultsCsv(r.Inputs(), shown));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SaveResultsCsvTest, FailedWriteSaysSo) {
    QTemporaryDir dir;
    const QString unwritable[] = {dir.filePath("missing/results.csv"), dir.path(), QString(),
                                  "/dev/full"};
    for (const QString& path : unwritable) {
        SCOPED_TRACE(path.toStdString());
        sink.messages.clear();
        EXPECT_FALSE(SaveResultsCsv(path, r.Inputs(), r.Shown(true))) << path.toStdString();
        ASSERT_EQ(sink.messages.size(), 1u) << path.toStdString();
        // Text 89, then the file and why the system refused it.
        const QString start = LangText(89) + "\n" + QDir::toNativeSeparators(path) + ": ";
        EXPECT_TRUE(sink.messages[0].text.startsWith(start)) << sink.messages[0].text.toStdString();
        EXPECT_GT(sink.messages[0].text.size(), start.size());
        EXPECT_EQ(sink.messages[0].icon, base::MessageIcon::Warning);
    }
    EXPECT_TRUE(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile())
        << "a device is written in place, never replaced";
}

// A write that fails half-way (here the file size limit) keeps the earlier
// file whole and leaves nothing of its own in the folder.
TEST_F(SaveResultsCsvTest, FailedWriteKeepsTheEarlierFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.csv");
    const QByteArray earlier(64, 'e');
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(earlier);
    old.close();

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = SaveResultsCsv(path, r.Inputs(), r.Shown(true));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(sink.messages.size(), 1u);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.csv"});
}

}  // namespace
}  // namespace zav::diag
