// The RAM utility download's start through the real link library: the
// library's refusals reach the engineer as the start error, no transfer
// starts and nothing is sent to the unit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core_test_support.h"
#include "zav/app/link_api.h"
#include "zav/app/ram_download.h"
#include "zav/base/program_directory.h"
#include "zav/sim/simulator.h"

namespace zav::app {
namespace {

constexpr std::int16_t kPort = 112;

class RamDownloadLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::useBuiltProgram();
        Link();  // bind the library from the build's program directory
        ASSERT_TRUE(imageDirectory.isValid());
        base::SetProgramDirectory(imageDirectory.path());
        std::string why;
        ASSERT_TRUE(unit.start(&why)) << why;
        unit.export_port(kPort);
    }
    void TearDown() override {
        Link().CloseComm();
        base::SetProgramDirectory(QString());
    }

    QTemporaryDir imageDirectory;
    sim::Simulator unit{sim::Options{"TM6"}};
    test::RecordingFrontEnd frontEnd;
    RamDownloadPoll poll{nullptr};
    ValidatorData data;
};

TEST_F(RamDownloadLinkTest, FileThatIsNotAnImageIsRefusedBeforeTheUnitHearsAnything) {
    QFile image(QDir(imageDirectory.path()).filePath(QStringLiteral("TM6_ram_ut.rx1")));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(64, 'x'));
    image.close();
    data.UnitType = QStringLiteral("TM6");
    DownloadRamUtility(data, kPort, poll);
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(frontEnd.events,
              QStringList{QStringLiteral("message Warning: Error with RAM fileNOT_ZAV_FILE")});
    EXPECT_EQ(unit.frames_received(), 0u);
}

TEST_F(RamDownloadLinkTest, TypeWithoutAFileIsRefusedAsAFileThatCannotBeOpened) {
    data.UnitType = QStringLiteral("TM6 ");
    DownloadRamUtility(data, kPort, poll);
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(frontEnd.events,
              QStringList{QStringLiteral("message Warning: Error with RAM fileOPEN_FILE_ERROR")});
    EXPECT_EQ(unit.frames_received(), 0u);
}

}  // namespace
}  // namespace zav::app
