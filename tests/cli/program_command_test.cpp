// zavdiag program as a user runs it: a simulated TM6 programmed with the
// firmware before and after and the JSON document; bad files refused before
// anything is sent; no confirmation without a terminal; each failure of the
// unit in words with status 1; Ctrl-C mid-transfer, and the next run clean.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <csignal>

#include "core_test_support.h"
#include "test_images.h"
#include "zav/sim/stand_in_image.h"
#include "zavdiag_runner.h"

namespace zav::cli::test {
namespace {

constexpr int kStepLimitMs = 60'000;
const char kNewFirmware[] = "TM0006 V0901 TM6";

class ProgramCommandTest : public ::testing::Test {
  protected:
    void SetUp() override { app::test::ensureApplication(); }

    QString write(const char* name, const std::vector<std::uint8_t>& image) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
        return file.fileName();
    }
    QString programImage(std::uint32_t blocks = 3) {
        return write("tm6.zav", sim::stand_in_program_image(kNewFirmware, blocks * 4096));
    }

    QTemporaryDir dir;
};

TEST_F(ProgramCommandTest, ASimulatedUnitIsProgrammedAndIdentifiedAgain) {
    const QString image = programImage();
    const ZavdiagResult run = ZavdiagUser().Run({"program", "--simulate", "TM6", "--yes", image});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Image    Blocks: 3 of 4096 bytes")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Unit     TM6, serial number 3289480992"));
    EXPECT_TRUE(run.out.contains("Firmware TM0006 V0118 TM6"));
    EXPECT_TRUE(run.out.contains("firmware TM0006 V0118 TM6 before, TM0006 V0901 TM6 after"));
    // Without a terminal the progress goes in lines, the last at 100 %.
    EXPECT_TRUE(run.err.contains("100 % (3 of 3 blocks")) << run.err.toStdString();

    const ZavdiagResult json =
        ZavdiagUser().Run({"program", "--simulate", "TM6", "--yes", "--json", image});
    EXPECT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(doc["result"].toString(), "programmed") << json.out.toStdString();
    EXPECT_EQ(doc["firmware_before"].toString(), "TM0006 V0118 TM6");
    EXPECT_EQ(doc["firmware_after"].toString(), kNewFirmware);
    EXPECT_EQ(doc["blocks"].toInt(), 3);
    EXPECT_GT(doc["seconds"].toDouble(), 0.0);
    EXPECT_EQ(doc["error"].toString(), "");
}

// A file that cannot be an image is refused in one line, before the unit is
// even connected: no simulated unit is announced.
TEST_F(ProgramCommandTest, BadFilesAndNoConfirmationEndWithStatusTwo) {
    const struct {
        QString file;
        const char* line;
    } cases[] = {
        {write("empty.zav", {}), "empty.zav: the file is empty"},
        {dir.path(), ": it is a folder, not a file"},
        {write("text.zav", {'h', 'e', 'l', 'l', 'o'}), "the mark \"ZAV\" is missing"},
        {write("short.zav", link::test::old_image({3, 0, 'a', 1})).left(0) + "/dev/null",
         "/dev/null: it is a device or a FIFO"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const ZavdiagResult run =
            ZavdiagUser().Run({"program", "--simulate", "TM6", "--yes", c.file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(c.line)) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("Simulated TM6")) << run.err.toStdString();
    }
    const ZavdiagResult unconfirmed =
        ZavdiagUser().Run({"program", "--simulate", "TM6", "--json", programImage()});
    EXPECT_EQ(unconfirmed.exitCode, 2);
    EXPECT_TRUE(unconfirmed.err.contains("not confirmed: no terminal to ask at; give --yes"));
    const QJsonObject doc = QJsonDocument::fromJson(unconfirmed.out.toUtf8()).object();
    EXPECT_EQ(doc["result"].toString(), "refused");
    EXPECT_EQ(doc["firmware_after"].toString(), "");

    const ZavdiagResult noFile = ZavdiagUser().Run({"program", "--simulate", "TM6"});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_TRUE(noFile.err.contains("no image file given\nUsage: zavdiag program"));
}

TEST_F(ProgramCommandTest, EachFailureOfTheUnitIsSaidInWords) {
    const QString image = programImage();
    const QString old = write("old.zav", link::test::old_image({3, 0, 'a', 1}));
    const struct {
        QString file;
        const char* fault;
        int status;
        const char* words;
    } cases[] = {
        {image, "code=F2:program:1", 1, "failed: the unit refused the program command"},
        {image, "code=F9:header:1", 1, "failed: the unit refused the header or a block (0xF9)"},
        {old, "code=F2:end:1", 1, "failed: the unit refused the end-of-download command"},
        {old, "code=F2:reset:1", 1, "failed: the unit refused the closing RESET"},
        {image, "noreply:sync", 2, "No sync response!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const ZavdiagResult run = ZavdiagUser().Run(
            {"program", "--simulate", "TM6", "--fault", c.fault, "--yes", "--json", c.file});
        EXPECT_EQ(run.exitCode, c.status);
        EXPECT_TRUE(run.err.contains(c.words)) << run.err.toStdString();
        const QJsonObject doc = QJsonDocument::fromJson(run.out.toUtf8()).object();
        EXPECT_EQ(doc["result"].toString(), c.status == 1 ? "failed" : "refused");
    }
}

// One zavsim unit for both runs: the first is stopped mid-transfer, the unit
// is switched off and on (a new zavsim), and the next run programs it.
TEST_F(ProgramCommandTest, CtrlCStopsTheTransferAndSaysTheUnitMayNeedProgramming) {
    const QString image = programImage(60);
    {
        const ZavsimProcess unit({"--model", "TM6", "--wire-baud", "38400"});
        ASSERT_FALSE(unit.path().isEmpty());
        ZavdiagUser user;
        user.PointPort(100, unit.path());
        user.Start({"program", "--port", "100", "--yes", image});
        ASSERT_TRUE(user.WaitFor(QStringLiteral("sending the main code"), kStepLimitMs));
        user.Signal(SIGINT);
        const ZavdiagResult stopped = user.Finish();
        EXPECT_EQ(stopped.exitCode, 1);
        EXPECT_TRUE(stopped.err.contains(
            "zavdiag program: interrupted: the transfer was stopped, and the unit may need "
            "programming again"))
            << stopped.err.toStdString();
        EXPECT_TRUE(stopped.err.contains("stopped on request"));
    }
    const ZavsimProcess unit({"--model", "TM6"});
    ZavdiagUser user;
    user.PointPort(100, unit.path());
    const ZavdiagResult next = user.Run({"program", "--port", "100", "--yes", image});
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
}

}  // namespace
}  // namespace zav::cli::test
