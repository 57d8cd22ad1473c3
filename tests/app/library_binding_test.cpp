// Binding the libraries by name: a missing library or a library without the
// expected calls is one clear message, and every call then fails safely.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core_test_support.h"
#include "zav/app/link_api.h"
#include "zav/app/ram_channel.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"

namespace zav::app {
namespace {

class LibraryBindingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        ASSERT_TRUE(directory.isValid());
        base::SetProgramDirectory(directory.path());
    }
    void TearDown() override { base::SetProgramDirectory(QString()); }

    QTemporaryDir directory;
    test::RecordingFrontEnd frontEnd;
};

// Each test binds a different library: a process binds each library once.
TEST_F(LibraryBindingTest, MissingLinkLibraryIsReportedOnceAndEveryCallFails) {
    EXPECT_EQ(Link().OpenPort(3), 0);
    LinkPacket command{};
    command.length = 1;
    command.data[0] = 0x11;
    LinkPacket result{};
    result.data[0] = 0xF0;
    EXPECT_EQ(Link().Command(&result, &command), &result);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(Link().CloseComm(), 1);
    const std::uint8_t retry[2] = {1, 1};
    EXPECT_EQ(Link().SetRetryParameters(retry), 0);
    EXPECT_GT(Link().DownloadRamFile("x", 3), ZAV_DOWNLOAD_DONE);
    EXPECT_GT(Link().GetRamDownloadData(), ZAV_DOWNLOAD_DONE);

    ASSERT_EQ(frontEnd.events.size(), 1);
    EXPECT_TRUE(frontEnd.events[0].startsWith(
        QStringLiteral("message Critical: Cannot load the library libZavtekVLP.so from ")))
        << frontEnd.events[0].toStdString();
}

TEST_F(LibraryBindingTest, LibraryWithoutTheCallsIsReportedByName) {
    // A library of ours that is not the serial library.
    ASSERT_TRUE(QFile::link(test::distDirectory() + QStringLiteral("/Lang/kvo_lang_en.so"),
                            QDir(directory.path()).filePath(QStringLiteral("libzav_serial.so"))));
    EXPECT_EQ(OpenRamChannel(5), kSerialInvalidPort);
    const std::uint8_t byte = 0x83;
    EXPECT_NE(Serial().send_serial_data(&byte, 1), kSerialOk);
    std::int32_t errors = -1;
    EXPECT_EQ(Serial().get_length_of_queue(&errors), 0);
    std::uint8_t read = 0;
    const std::int32_t count = 1;
    EXPECT_NE(Serial().read_serial_data(&read, &count), kSerialOk);
    Serial().ClosePort();

    EXPECT_EQ(frontEnd.events,
              QStringList{QStringLiteral(
                  "message Critical: The library libzav_serial.so lacks the call(s) "
                  "OpenPortAdvanced, send_serial_data, read_serial_data, get_length_of_queue, "
                  "ClosePort.")});
}

}  // namespace
}  // namespace zav::app
