// The RAM utility download through stand-ins for the link library's calls:
// which file is asked for and from which folder, the files refused before
// anything is sent, the start errors, and the poll's three outcomes.
#include "zav/app/ram_download.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core_test_support.h"
#include "zav/app/event_wait.h"
#include "zav/app/link_api.h"
#include "zav/app/ram_download_poll.h"
#include "zav/app/ram_utility_file.h"
#include "zav/base/program_directory.h"
#include "zav/platform/port_override.h"
#include "zav/platform/pseudo_terminal.h"
#include "zav/sim/stand_in_image.h"

namespace zav::app {
namespace {

using namespace std::chrono_literals;

// What the stand-in link library saw and what it answers.
struct FakeDownloadLink {
    std::vector<std::string> calls;
    std::string fileName;
    std::int32_t startResult = 3;
    std::vector<std::int32_t> progress;  // successive GetRamDownloadData values
    std::size_t polls = 0;
};
FakeDownloadLink fake;

std::int16_t fakeOpenPort(std::int16_t port) {
    fake.calls.push_back("OpenPort " + std::to_string(port));
    return 1;
}
std::int32_t fakeDownloadRamFile(const char* name, std::int16_t port) {
    fake.calls.push_back("DownloadRamFile " + std::to_string(port));
    fake.fileName = name;
    return fake.startResult;
}
std::int32_t fakeGetRamDownloadData() {
    const std::size_t i = std::min(fake.polls++, fake.progress.size() - 1);
    return fake.progress[i];
}

const LinkApi kFakeLink{&fakeOpenPort,          nullptr, nullptr, nullptr, &fakeDownloadRamFile,
                        &fakeGetRamDownloadData};

class RamDownloadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        test::installEnglishTexts();
        fake = FakeDownloadLink{};
        OverrideLinkApi(&kFakeLink);
    }
    void TearDown() override {
        OverrideLinkApi(nullptr);
        base::SetProgramDirectory(QString());
    }

    // Runs the poll until it has finished or failed (or 2 s have passed).
    void runPoll(RamDownloadPoll& poll) {
        bool ended = false;
        QObject::connect(&poll, &RamDownloadPoll::finished, [&] { ended = true; });
        QObject::connect(&poll, &RamDownloadPoll::failed, [&] { ended = true; });
        TickClock clock(100ms);
        clock.reset();
        clock.start();
        EventWait(clock)
            .wakeOn(&poll, &RamDownloadPoll::finished)
            .wakeOn(&poll, &RamDownloadPoll::failed)
            .until([&] { return ended || clock.ticks() >= 20; });
        clock.stop();
    }

    test::RecordingFrontEnd frontEnd;
};

TEST_F(RamDownloadTest, EachModelHasItsFileAndNothingElseHasOne) {
    for (const char* model : {"RX3", "RX5", "RX8", "TM6", "TM4", "TM5", "TM3"}) {
        EXPECT_EQ(RamUtilityFileName(QString::fromLatin1(model)),
                  QString::fromLatin1(model) + QStringLiteral("_ram_ut.rx1"));
    }
    for (const char* other : {"TM3 ", "tm3", "PQ1", "", "TM1", "RX0003"}) {
        EXPECT_TRUE(RamUtilityFileName(QString::fromLatin1(other)).isEmpty()) << other;
    }
}

TEST_F(RamDownloadTest, FileIsTakenFromTheProgramDirectoryWithOneSeparator) {
    RamDownloadPoll poll(nullptr, 10ms);
    ValidatorData data;
    data.UnitType = QStringLiteral("TM3");
    const QString directory = test::useMakersRamUtilityFiles();

    for (const QString& given : {directory, directory + u'/'}) {
        base::SetProgramDirectory(given);
        fake.calls.clear();
        DownloadRamUtility(data, 7, poll);
        EXPECT_EQ(QString::fromStdString(fake.fileName), directory + "/TM3_ram_ut.rx1");
        EXPECT_EQ(fake.calls, (std::vector<std::string>{"OpenPort 7", "DownloadRamFile 7"}));
    }
    EXPECT_TRUE(frontEnd.events.isEmpty());
}

TEST_F(RamDownloadTest, UnknownTypeAsksForAnEmptyNameAndShowsTheLibrarysRefusal) {
    RamDownloadPoll poll(nullptr, 10ms);
    ValidatorData data;
    data.UnitType = QStringLiteral("TM3 ");
    fake.startResult = 0x100001;
    DownloadRamUtility(data, 4, poll);
    EXPECT_EQ(fake.fileName, "");
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(frontEnd.events,
              QStringList{QStringLiteral("message Warning: Error with RAM fileOPEN_FILE_ERROR")});
}

// Texts 82 and 39 end in a blank that fetching a text removes, so the code's
// text follows without one.
TEST_F(RamDownloadTest, StartErrorShowsItsTextAndStartsNoPoll) {
    RamDownloadPoll poll(nullptr, 10ms);
    fake.startResult = 0x100003;
    StartRamFileDownload(test::useMakersRamUtilityFiles() + "/TM6_ram_ut.rx1", 3, poll);
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(frontEnd.events,
              QStringList{QStringLiteral("message Warning: Error with RAM fileNOT_ZAV_FILE")});
}

TEST_F(RamDownloadTest, StartedTransferStartsThePoll) {
    for (const std::int32_t started : {0, 3, 0x100000}) {
        RamDownloadPoll poll(nullptr, 10ms);
        fake.startResult = started;
        StartRamFileDownload(test::useMakersRamUtilityFiles() + "/TM6_ram_ut.rx1", 3, poll);
        EXPECT_TRUE(poll.isActive()) << started;
    }
    EXPECT_TRUE(frontEnd.events.isEmpty());
}

TEST_F(RamDownloadTest, ErrorTextsOfEveryCode) {
    const std::pair<std::int32_t, const char*> table[] = {
        {0x100001, "OPEN_FILE_ERROR"},      {0x100002, "READ_FILE_ERROR"},
        {0x100003, "NOT_ZAV_FILE"},         {0x100004, "PORT_OPEN_FAIL"},
        {0x100005, "SYNC_CONNECTION_FAIL"}, {0x100006, "SECURITY_PROTECTED_FILE"},
        {0x100010, "DATA_TRANSFER_FAIL"},   {0x100011, "PROG_COMMAND_FAIL"},
        {0x100012, "HEADER_FAIL"},          {0x100013, "PROG_STATUS_FAIL"},
        {0x100014, "PROG_RESET_FAIL"},      {0x100015, "DOWNLOAD_NOT_ALLOWED"},
        {0x100007, "UNKNOWN ERROR"},        {0x100016, "UNKNOWN ERROR"},
        {0x100000, "UNKNOWN ERROR"},        {-1, "UNKNOWN ERROR"},
    };
    for (const auto& [code, text] : table) {
        EXPECT_EQ(DownloadErrorText(code), QString::fromLatin1(text)) << std::hex << code;
    }
}

TEST_F(RamDownloadTest, PollFollowsProgressToCompletion) {
    RamDownloadPoll poll(&frontEnd, 10ms);
    fake.progress = {0, 1, 2, 0x100000, 5};
    int finished = 0;
    QObject::connect(&poll, &RamDownloadPoll::finished, [&] { ++finished; });
    poll.start();
    runPoll(poll);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(fake.polls, 4u) << "the poll must stop at completion";
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(frontEnd.events,
              (QStringList{QStringLiteral("pointer: Arrow"),
                           QStringLiteral("status: Ram file download completed!")}));
}

TEST_F(RamDownloadTest, PollFailureShowsTheCodeThenEmptiesTheStatusLine) {
    RamDownloadPoll poll(&frontEnd, 10ms);
    fake.progress = {1, 0x100015};
    std::int32_t failedWith = 0;
    QObject::connect(&poll, &RamDownloadPoll::failed,
                     [&](std::int32_t code) { failedWith = code; });
    poll.start();
    runPoll(poll);
    EXPECT_EQ(failedWith, 0x100015);
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(frontEnd.events,
              (QStringList{QStringLiteral("pointer: Arrow"),
                           QStringLiteral("message Warning: Download error!DOWNLOAD_NOT_ALLOWED"),
                           QStringLiteral("status: ")}));
}

TEST_F(RamDownloadTest, PollWithoutAViewShowsOnlyTheMessage) {
    RamDownloadPoll poll(nullptr, 10ms);
    fake.progress = {0x100100};
    poll.start();
    runPoll(poll);
    EXPECT_EQ(frontEnd.events,
              QStringList{QStringLiteral("message Warning: Download error!UNKNOWN ERROR")});
}

TEST_F(RamDownloadTest, RunningTransferChangesNothing) {
    RamDownloadPoll poll(&frontEnd, 10ms);
    fake.progress = {0x0FFFFF};
    poll.start();
    poll.poll();
    poll.poll();
    EXPECT_TRUE(poll.isActive());
    EXPECT_TRUE(frontEnd.events.isEmpty());
}

// Where the file is looked for, and the files refused before the port is
// touched: a program directory and a user's folder of their own, a port on a
// pseudo-terminal (as a simulator serves) and one on a device that is not.
class RamUtilityFileTest : public RamDownloadTest {
  protected:
    static constexpr std::int16_t kSimulatedPort = 121;
    static constexpr std::int16_t kRealPort = 122;

    void SetUp() override {
        RamDownloadTest::SetUp();
        ASSERT_TRUE(programDirectory.isValid() && dataHome.isValid());
        ASSERT_TRUE(simulatedLine.open());
        ASSERT_TRUE(platform::set_port_override(kSimulatedPort, simulatedLine.slave_path()));
        // A character device, but no pseudo-terminal: stands for a serial port.
        ASSERT_TRUE(platform::set_port_override(kRealPort, "/dev/null"));
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        base::SetProgramDirectory(programDirectory.path());
        data.UnitType = QStringLiteral("TM6");
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        RamDownloadTest::TearDown();
    }

    QString programFile() const { return programDirectory.filePath(kFile); }
    QString userFolder() const {
        return dataHome.path() + QStringLiteral("/ZAV Diagnostics Tool/");
    }
    QString standInFolder() const {
        return programDirectory.path() + QStringLiteral("/simulator/");
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }
    static QByteArray makersImage() { return QByteArray("ZAV") + QByteArray(400, '\0'); }
    static QByteArray standIn() {
        const std::vector<std::uint8_t> image = sim::stand_in_image("TM6");
        return QByteArray(reinterpret_cast<const char*>(image.data()),
                          static_cast<qsizetype>(image.size()));
    }

    // Downloads to `port`: the file asked for, or empty when nothing reached
    // the link library.
    QString download(std::int16_t port) {
        RamDownloadPoll poll(nullptr, 10ms);
        fake = FakeDownloadLink{};
        frontEnd.events.clear();
        DownloadRamUtility(data, port, poll);
        return fake.calls.empty() ? QString() : QString::fromStdString(fake.fileName);
    }
    QString refusal(const char* code, const QString& reason) const {
        return QStringLiteral("message Warning: Error with RAM file") + QLatin1String(code) +
               u'\n' + reason;
    }

    const QString kFile = QStringLiteral("TM6_ram_ut.rx1");
    QTemporaryDir programDirectory;
    QTemporaryDir dataHome;
    platform::PseudoTerminal simulatedLine;
    ValidatorData data;
};

TEST_F(RamUtilityFileTest, ProgramDirectoryThenUserFolderThenStandInsForASimulatorOnly) {
    write(standInFolder() + kFile, standIn());
    const QString missing =
        refusal("OPEN_FILE_ERROR", QStringLiteral("Looked for TM6_ram_ut.rx1 in %1/ and in %2.")
                                       .arg(programDirectory.path(), userFolder()));
    EXPECT_EQ(download(kRealPort), QString());
    EXPECT_EQ(frontEnd.events, QStringList{missing});
    EXPECT_FALSE(QFileInfo::exists(userFolder())) << "the lookup must not create the folder";

    EXPECT_EQ(download(kSimulatedPort), standInFolder() + kFile);
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"OpenPort 121", "DownloadRamFile 121"}));
    EXPECT_TRUE(frontEnd.events.isEmpty());

    write(userFolder() + kFile, makersImage());
    EXPECT_EQ(download(kRealPort), userFolder() + kFile);
    EXPECT_EQ(download(kSimulatedPort), userFolder() + kFile);

    write(programFile(), makersImage());
    EXPECT_EQ(download(kRealPort), programFile());
    EXPECT_TRUE(frontEnd.events.isEmpty());
}

TEST_F(RamUtilityFileTest, MissingFileOnASimulatorNamesTheStandInFolderToo) {
    EXPECT_EQ(download(kSimulatedPort), QString());
    EXPECT_EQ(
        frontEnd.events,
        QStringList{refusal("OPEN_FILE_ERROR",
                            QStringLiteral("Looked for TM6_ram_ut.rx1 in %1/, in %2 and in %3.")
                                .arg(programDirectory.path(), userFolder(), standInFolder()))});
}

TEST_F(RamUtilityFileTest, UserFolderFollowsXdgDataHomeOrTheHomeFolder) {
    EXPECT_EQ(UserRamUtilityFolder(), userFolder());
    const QString inHome = QDir::homePath() + QStringLiteral("/.local/share/ZAV Diagnostics Tool/");
    qputenv("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(UserRamUtilityFolder(), inHome) << "a relative XDG_DATA_HOME counts as unset";
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserRamUtilityFolder(), inHome);
}

TEST_F(RamUtilityFileTest, StandInNeverReachesAPortThatIsNotAPseudoTerminal) {
    // A stand-in copied where the maker's files go.
    write(programFile(), standIn());
    EXPECT_EQ(download(kRealPort), QString());
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(frontEnd.events,
              QStringList{refusal(
                  "NOT_ZAV_FILE",
                  QStringLiteral("%1 is a stand-in image that only the simulator runs, and COM122 "
                                 "(/dev/null) is not a simulated port, so nothing was sent. Put "
                                 "the maker's RAM-utility file in %2/ or in %3.")
                      .arg(programFile(), programDirectory.path(), userFolder()))});

    // Every start is checked, whoever names the file.
    RamDownloadPoll poll(nullptr, 10ms);
    fake = FakeDownloadLink{};
    StartRamFileDownload(programFile(), kRealPort, poll);
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_FALSE(poll.isActive());

    EXPECT_EQ(download(kSimulatedPort), programFile());
    write(programFile(), makersImage());
    EXPECT_EQ(download(kRealPort), programFile());
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"OpenPort 122", "DownloadRamFile 122"}));
}

TEST_F(RamUtilityFileTest, EntriesThatAreNoReadableFileAreRefusedBeforeThePortIsTouched) {
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* code;
        QString reason;
    };
    const QString file = programFile();
    const Case cases[] = {
        {"a folder", [&] { QDir().mkpath(file); }, "READ_FILE_ERROR",
         file + QStringLiteral(" is a folder, not a RAM-utility file.")},
        {"a link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), file); },
         "READ_FILE_ERROR", file + QStringLiteral(" is not a regular file.")},
        {"a link to nothing", [&] { QFile::link(file + QStringLiteral(".gone"), file); },
         "OPEN_FILE_ERROR", file + QStringLiteral(" cannot be opened.")},
        // A link to itself: found, but it never leads to a file.
        {"a link loop", [&] { QFile::link(file, file); }, "OPEN_FILE_ERROR",
         file + QStringLiteral(" cannot be opened.")},
    };
    // A user folder with a good file must not be reached past the bad entry.
    write(userFolder() + kFile, makersImage());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(file);
        QDir(file).removeRecursively();
        c.make();
        for (const std::int16_t port : {kRealPort, kSimulatedPort}) {
            EXPECT_EQ(download(port), QString());
            EXPECT_EQ(frontEnd.events, QStringList{refusal(c.code, c.reason)});
        }
    }
}

TEST_F(RamUtilityFileTest, FileWithoutReadPermissionIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    write(programFile(), makersImage());
    QFile(programFile()).setPermissions(QFileDevice::WriteOwner);
    EXPECT_EQ(download(kRealPort), QString());
    ASSERT_EQ(frontEnd.events.size(), 1);
    EXPECT_TRUE(frontEnd.events[0].startsWith(
        refusal("OPEN_FILE_ERROR", programFile() + QStringLiteral(" cannot be opened: "))));
}

}  // namespace
}  // namespace zav::app
