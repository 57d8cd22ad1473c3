// The RAM utility download through stand-ins for the link library's calls:
// which file is asked for, the start errors, and the poll's three outcomes.
#include "zav/app/ram_download.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <vector>

#include "core_test_support.h"
#include "zav/app/event_wait.h"
#include "zav/app/link_api.h"
#include "zav/app/program_directory.h"
#include "zav/app/ram_download_poll.h"

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
        SetProgramDirectory(QString());
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

    SetProgramDirectory(QStringLiteral("/opt/zav"));
    DownloadRamUtility(data, 7, poll);
    EXPECT_EQ(fake.fileName, "/opt/zav/TM3_ram_ut.rx1");
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"OpenPort 7", "DownloadRamFile 7"}));

    SetProgramDirectory(QStringLiteral("/"));
    DownloadRamUtility(data, 7, poll);
    EXPECT_EQ(fake.fileName, "/TM3_ram_ut.rx1");

    SetProgramDirectory(QStringLiteral("/opt/zav/"));
    DownloadRamUtility(data, 7, poll);
    EXPECT_EQ(fake.fileName, "/opt/zav/TM3_ram_ut.rx1");
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
    StartRamFileDownload(QStringLiteral("/x/TM6_ram_ut.rx1"), 3, poll);
    EXPECT_FALSE(poll.isActive());
    EXPECT_EQ(frontEnd.events,
              QStringList{QStringLiteral("message Warning: Error with RAM fileNOT_ZAV_FILE")});
}

TEST_F(RamDownloadTest, StartedTransferStartsThePoll) {
    for (const std::int32_t started : {0, 3, 0x100000}) {
        RamDownloadPoll poll(nullptr, 10ms);
        fake.startResult = started;
        StartRamFileDownload(QStringLiteral("/x/TM6_ram_ut.rx1"), 3, poll);
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

}  // namespace
}  // namespace zav::app
