// The programming session through the real link library against the
// simulator: a unit programmed from a file and from memory reports the
// image's firmware; every start and worker result reaches its words; a
// cancel or a close mid-transfer leaves the port closed and the library
// idle; the next download after a failed one starts clean.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "ZavtekVLP.h"
#include "core_test_support.h"
#include "test_images.h"
#include "zav/app/link_api.h"
#include "zav/platform/port_override.h"
#include "zav/programming/programming_session.h"
#include "zav/sim/simulator.h"
#include "zav/sim/stand_in_image.h"

namespace zav::programming {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int16_t kPort = 114;
const char kNewFirmware[] = "TM0006 V0901 TM6";

QByteArray bytesOf(const Bytes& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()),
                      static_cast<qsizetype>(image.size()));
}

// A stand-in program image: only a simulated port takes it.
Bytes programImage(std::uint32_t mainLength = 3 * 4096) {
    return sim::stand_in_program_image(kNewFirmware, mainLength);
}

// Old format without version checks, unless a version is given.
Bytes oldImage(const char* version = nullptr) {
    return link::test::old_image({static_cast<std::uint16_t>(version ? 511 : 3), 0, 'a',
                                  version ? std::uint8_t{0} : std::uint8_t{1}, version});
}

class ProgrammingSimTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { app::test::useBuiltProgram(); }
    void SetUp() override { powerUp(); }
    // A new unit on the port: one left in its loader by a stopped download
    // answers nothing else until it is switched off and on.
    void powerUp() {
        unit.reset();
        unit = std::make_unique<sim::Simulator>(sim::Options{"TM6"});
        std::string why;
        ASSERT_TRUE(unit->start(&why)) << why;
        unit->export_port(kPort);
    }
    void TearDown() override {
        session.reset();
        unit.reset();
    }

    // Faults separated by blanks.
    void fault(const char* text) {
        for (const QString& one : QString::fromLatin1(text).split(u' ')) {
            std::string why;
            ASSERT_TRUE(unit->add_fault_text(one.toStdString(), &why)) << why;
        }
    }

    // A fresh session with the image in memory, the unit identified.
    void prepare(const Bytes& image) {
        session = std::make_unique<ProgrammingSession>(kPort, 5ms, frontEnd);
        ASSERT_TRUE(session->chooseImage(bytesOf(image), "image.zav"))
            << session->imageRefusal().toStdString();
        ASSERT_TRUE(session->identify()) << frontEnd.messages().join('|').toStdString();
        ASSERT_TRUE(session->startEnabled());
    }

    // The link library is idle: no transfer runs and its port is closed, so
    // a new download may start.
    void expectIdle() {
        EXPECT_GE(app::LibraryLink().GetDownloadData(), 0x100000);
        RamDownloadStatus status{};
        app::LibraryLink().GetRamDownloadStatus(&status);
        EXPECT_EQ(status.stage, 0x100000);
        EXPECT_FALSE(session->running());
    }

    app::test::RecordingFrontEnd frontEnd;
    std::unique_ptr<sim::Simulator> unit;
    std::unique_ptr<ProgrammingSession> session;
};

TEST_F(ProgrammingSimTest, FileAndMemoryImagesProgramTheUnit) {
    QTemporaryDir dir;
    QFile file(dir.filePath("tm6.zav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytesOf(programImage(5 * 4096 + 100)));
    file.close();

    session = std::make_unique<ProgrammingSession>(kPort, 5ms, frontEnd);
    EXPECT_FALSE(session->startEnabled());
    ASSERT_TRUE(session->chooseFile(file.fileName()));
    EXPECT_FALSE(session->startEnabled());  // the unit is not known yet
    ASSERT_TRUE(session->identify());
    EXPECT_EQ(session->identity()->unitType, "TM6");
    EXPECT_EQ(session->identity()->serialNumber, "3289480992");
    EXPECT_EQ(session->identity()->dataset, "EUR06110");
    EXPECT_EQ(session->firmwareBefore(), "TM0006 V0118 TM6");

    std::vector<Progress> seen;
    QObject::connect(session.get(), &ProgrammingSession::progressed,
                     [&] { seen.push_back(session->progress()); });
    session->start();
    EXPECT_EQ(session->outcome(), Outcome::Programmed) << session->error().toStdString();
    EXPECT_EQ(session->resultCode(), 0x100000);
    EXPECT_EQ(session->firmwareAfter(), kNewFirmware);
    EXPECT_EQ(session->progress().blocksTotal, 6);
    EXPECT_EQ(session->progress().blocksSent, 6);
    EXPECT_TRUE(frontEnd.messages().isEmpty()) << frontEnd.messages().join('|').toStdString();
    // Progress only grows, through the stages of the reconnecting transfer.
    bool mainCode = false;
    for (std::size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GE(seen[i].blocksSent, seen[i - 1].blocksSent);
        mainCode = mainCode || seen[i].stage == "sending the main code";
    }
    EXPECT_TRUE(mainCode);
    expectIdle();

    // From memory, the old format: its version digits become the firmware's.
    prepare(oldImage("112"));
    session->start();
    EXPECT_EQ(session->outcome(), Outcome::Programmed) << session->error().toStdString();
    EXPECT_EQ(session->firmwareAfter(), "TM0006 V0112 TM6");
    expectIdle();
}

// Each fault of the unit gives the worker result meant for it, in words;
// each failed download leaves the library idle, and the next starts clean.
TEST_F(ProgrammingSimTest, EveryFailureReachesItsWordsAndTheNextDownloadStartsClean) {
    const struct {
        const char* fault;
        bool old;
        const char* version;
        std::int32_t code;
        const char* words;
    } cases[] = {
        {"code=F2:block:1", true, nullptr, 0x100010, "the transfer failed"},
        {"code=F2:program:1", false, nullptr, 0x100011, "refused the program command"},
        // The version checks follow a POLL answered with 0xF0.
        {"code=F0:poll:1 code=F2:memory:1", true, "112", 0x100011,
         "refused the program command or the version"},
        {"code=F9:header:1", false, nullptr, 0x100012, "refused the header or a block (0xF9)"},
        {"code=F9:block:1:1", true, nullptr, 0x100012, "refused the header or a block (0xF9)"},
        {"code=F2:end:1", true, nullptr, 0x100013, "refused the end-of-download command"},
        {"code=F2:reset:1", true, nullptr, 0x100014, "refused the closing RESET"},
        {"code=F0:poll:1 reply=F0,02:flash-type:1", true, "108", 0x100015,
         "older than version 109"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        prepare(c.old ? oldImage(c.version) : programImage());
        fault(c.fault);
        session->start();
        EXPECT_EQ(session->outcome(), Outcome::Failed);
        EXPECT_EQ(session->resultCode(), c.code);
        EXPECT_TRUE(session->error().contains(c.words)) << session->error().toStdString();
        EXPECT_EQ(session->error(), DownloadResultWords(c.code));
        EXPECT_TRUE(session->firmwareAfter().isEmpty());
        expectIdle();
        unit->clear_faults();
    }
    // The unit that was refused takes the next download whole.
    prepare(programImage());
    session->start();
    EXPECT_EQ(session->outcome(), Outcome::Programmed) << session->error().toStdString();
    EXPECT_EQ(session->firmwareAfter(), kNewFirmware);
}

// Start refusals through the library: SYNC unanswered at the start (the
// unit answered the identification, nothing is transferred), the file gone,
// the port gone.
TEST_F(ProgrammingSimTest, StartRefusalsAreNamed) {
    prepare(programImage());
    fault("noreply:sync:5");
    session->start();
    EXPECT_EQ(session->outcome(), Outcome::Refused);
    EXPECT_EQ(session->resultCode(), 0x100005);
    EXPECT_EQ(session->error(), "the unit did not answer SYNC");
    EXPECT_EQ(unit->frames_received(0x0B), 0u);
    expectIdle();

    // The file gone between the check and the start: the library's own
    // refusal, in words.
    QTemporaryDir dir;
    QFile file(dir.filePath("tm6.zav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytesOf(programImage()));
    file.close();
    session = std::make_unique<ProgrammingSession>(kPort, 5ms, frontEnd);
    ASSERT_TRUE(session->chooseFile(file.fileName()));
    ASSERT_TRUE(session->identify());
    ASSERT_TRUE(file.remove());
    session->start();
    EXPECT_EQ(session->outcome(), Outcome::Refused);
    EXPECT_EQ(session->resultCode(), 0x100001);
    EXPECT_EQ(session->error(), "the file cannot be opened");

    // The unit and its port gone after the identification. The port points
    // at a path that cannot exist: the freed pty's number may go at once to
    // a test running beside this one.
    prepare(programImage());
    unit.reset();
    ASSERT_TRUE(platform::set_port_override(kPort, dir.filePath("gone").toStdString()));
    session->start();
    EXPECT_EQ(session->resultCode(), 0x100004);
    EXPECT_EQ(session->error(), "the port cannot be opened");
    expectIdle();

    const std::pair<std::int32_t, const char*> words[] = {
        {0x100002, "the file cannot be read"},
        {0x100003, "the file is not a program image (no \"ZAV\" mark)"},
        {0x100006, "old-format image of a type above 'c' (protected)"},
        {0x123456, "result 0x123456"},
    };
    for (const auto& [code, text] : words) EXPECT_EQ(DownloadResultWords(code), text);
}

// The old format's speed check unanswered: the transfer waits 10 s before it
// says so.
TEST_F(ProgrammingSimTest, UnansweredSpeedCheckIsNamed) {
    prepare(oldImage());
    fault("code=F2:poll:1");
    session->start();
    EXPECT_EQ(session->outcome(), Outcome::Failed);
    EXPECT_EQ(session->resultCode(), 0x100016);
    EXPECT_EQ(session->error(), "the unit did not answer the speed check");
    expectIdle();
}

// A cancel at each stage, and a close mid-transfer: the transfer stops, the
// words say the unit may need programming again, the library is idle.
TEST_F(ProgrammingSimTest, CancelAtEveryStageLeavesTheLibraryIdle) {
    // (The RAM loader's few blocks cross a pseudo-terminal faster than a
    // poll comes round.)
    const char* stages[] = {"starting", "reconnecting", "sending the main code"};
    for (const char* stage : stages) {
        SCOPED_TRACE(stage);
        prepare(programImage(40 * 4096));
        QObject::connect(session.get(), &ProgrammingSession::progressed, [&, stage] {
            if (session->progress().stage == stage) session->cancel();
        });
        session->start();
        EXPECT_EQ(session->outcome(), Outcome::Failed);
        EXPECT_TRUE(session->cancelled());
        EXPECT_EQ(session->error(), "stopped on request: the unit may need programming again");
        expectIdle();
        powerUp();
    }
    prepare(programImage(40 * 4096));
    QObject::connect(session.get(), &ProgrammingSession::progressed, [&] {
        if (session->progress().blocksSent >= 2) session->requestClose();
    });
    session->start();
    EXPECT_TRUE(session->isClosed());
    expectIdle();
}

TEST_F(ProgrammingSimTest, SimulatorImagesGoOnlyToSimulatedPorts) {
    session = std::make_unique<ProgrammingSession>(kPort, 5ms, frontEnd);
    EXPECT_TRUE(session->chooseImage(bytesOf(programImage()), "tm6.zav"));
    ::setenv("ZAV_COM115", "/dev/null", 1);
    ProgrammingSession real(115, 5ms, frontEnd);
    EXPECT_FALSE(real.chooseImage(bytesOf(programImage()), "tm6.zav"));
    EXPECT_EQ(real.imageRefusal(), "a simulator image, and COM115 is not a simulated port");
    EXPECT_TRUE(real.chooseImage(bytesOf(oldImage()), "old.zav"));
}

}  // namespace
}  // namespace zav::programming
