// The soak: many identifications and whole diagnostics against a simulated
// unit whose line and RAM utility go wrong at random for 5 % of the
// commands. Every run must end with the right text (its verdict, or a
// failure text the engineer can act on), none may hang, and the process may
// not grow by 2 MB or more over the runs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QSet>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>

#include "core_test_support.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/sim/simulator.h"

namespace zav {
namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kTick = 10ms;
constexpr std::int16_t kPort = 115;
constexpr int kFaultPercent = 5;
// 200 identifications send some 2000 commands, about 100 of them faulted;
// ZAV_SOAK_IDENTIFICATIONS asks for a longer soak by hand (up to 100 000).
constexpr int kDefaultIdentifications = 200;
constexpr int kDiagnostics = 20;
// The longest a run may take: its own waits plus the link's resends of
// faulted commands (a second each).
constexpr qint64 kIdentificationLimitMs = 30'000;
constexpr qint64 kDiagnosticLimitMs = 90'000;
constexpr long kGrowthLimitBytes = 2 * 1024 * 1024;

// Messages an identification may end with when the unit goes wrong.
const QSet<QString> kIdentificationFailures = {
    "No sync response!",
    "No response to GET_serialnumber",
    "No response to GET_SENSOR_CONFIG_DATA",
    "Bad Reply to GET_SENSOR_INFO_DATA command",
    "No response to GET_MOTOR_CONFIG_DATA",
    "Bad Reply to GET_MOTOR_INFO_DATA command",
    "No response to GET_FULL_FIRMWARE",
    "No response to GET_DATASET_CODE",
    "Error getting sensor data",
    "Error getting motor data",
    "Error getting firmware version",
    "Error getting dataset version",
};

// Status lines a diagnostic that did not reach its verdict may end with.
const QSet<QString> kRunFailures = {
    "Connection lost!",
    "Download error!",
    "Not answering command!",
    "No green paper. Test timeout!",
    "You need to restart the equipment!",
};

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

int Identifications() {
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("ZAV_SOAK_IDENTIFICATIONS", &ok);
    return ok && asked >= 10 && asked <= 100'000 ? asked : kDefaultIdentifications;
}

QString LastStatus(const QStringList& events) {
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        if (it->startsWith(QLatin1String("status: ")) && it->size() > 8) return it->mid(8);
    }
    return {};
}

QStringList MessageTexts(const app::test::RecordingFrontEnd& frontEnd) {
    QStringList texts;
    for (const QString& message : frontEnd.messages()) {
        texts << message.mid(message.indexOf(QLatin1String(": ")) + 2);
    }
    return texts;
}

class SoakTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { app::test::useBuiltProgram(); }
    void SetUp() override {
        sim::Options options;
        options.model = "TM4";
        options.test_step_ms = 0;
        options.paper_delay_ms = 0;
        unit_ = std::make_unique<sim::Simulator>(options);
        std::string why;
        ASSERT_TRUE(unit_->start(&why)) << why;
        unit_->set_random_faults(kFaultPercent, 20261209);
        unit_->export_port(kPort);
        app::SetCurrentPort(kPort);
    }
    void TearDown() override {
        app::Link().CloseComm();
        app::Serial().ClosePort();
        unit_->stop();
    }

    // One identification: it succeeds with "Data fetched!" and no message,
    // or fails with at least one message, each a failure text.
    void Identify(int run) {
        app::test::RecordingFrontEnd frontEnd;
        diag::DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
        QElapsedTimer clock;
        clock.start();
        const bool identified = session.identify();
        EXPECT_LE(clock.elapsed(), kIdentificationLimitMs) << "identification " << run;
        const QStringList messages = MessageTexts(frontEnd);
        if (identified) {
            EXPECT_EQ(LastStatus(frontEnd.events), "Data fetched!") << "identification " << run;
            EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
        } else {
            EXPECT_FALSE(messages.isEmpty()) << "identification " << run << " failed silently";
            for (const QString& text : messages) {
                EXPECT_TRUE(kIdentificationFailures.contains(text))
                    << "identification " << run << ": " << text.toStdString();
            }
        }
        app::Link().CloseComm();
        ++(identified ? identified_ : refused_);
    }

    // One whole diagnostic: the healthy unit passes whenever the run gets to
    // the verdict; otherwise the run ends with a failure text.
    void Diagnose(int run) {
        app::test::RecordingFrontEnd frontEnd;
        diag::DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
        QElapsedTimer clock;
        clock.start();
        session.start();
        EXPECT_LE(clock.elapsed(), kDiagnosticLimitMs) << "diagnostic " << run;
        const QString last = LastStatus(frontEnd.events);
        const diag::RunEnd end = session.lastRunEnd();
        if (end == diag::RunEnd::Passed) {
            EXPECT_EQ(last, "\nPASSED");
            ++passed_;
        } else {
            EXPECT_NE(end, diag::RunEnd::Failed) << "a healthy unit failed its verdict";
            EXPECT_TRUE(kRunFailures.contains(last))
                << "diagnostic " << run << " ended with \"" << last.toStdString() << "\"";
        }
        session.press(zav::diag::DiagnosticButton::Ok);
        EXPECT_TRUE(session.isClosed());
    }

    std::unique_ptr<sim::Simulator> unit_;
    int identified_ = 0;
    int refused_ = 0;
    int passed_ = 0;
};

// The link's reply time-out (a whole second) makes each silenced command
// cost a second, so the identifications take most of the time.
TEST_F(SoakTest, IdentificationsUnderRandomFaultsEndRightWithoutHangOrGrowth) {
    // The first runs load the libraries, the texts and the caches.
    constexpr int kWarmUp = 5;
    for (int run = 0; run < kWarmUp; ++run) Identify(run);
    const int identifications = Identifications();
    const long before = ResidentBytes();
    QElapsedTimer clock;
    clock.start();
    for (int run = kWarmUp; run < identifications; ++run) Identify(run);
    const long growth = ResidentBytes() - before;
    std::printf("soak: %d identified, %d refused in %lld s; resident growth %ld kB\n", identified_,
                refused_, static_cast<long long>(clock.elapsed() / 1000), growth / 1024);
    EXPECT_LT(growth, kGrowthLimitBytes);
    EXPECT_GT(identified_, identifications / 2) << "5 % faults must leave most whole";
}

TEST_F(SoakTest, DiagnosticsUnderRandomFaultsEndRightWithoutHangOrGrowth) {
    Diagnose(0);
    const long before = ResidentBytes();
    QElapsedTimer clock;
    clock.start();
    for (int run = 1; run < kDiagnostics; ++run) Diagnose(run);
    const long growth = ResidentBytes() - before;
    std::printf("soak: %d of %d diagnostics passed in %lld s; resident growth %ld kB\n", passed_,
                kDiagnostics, static_cast<long long>(clock.elapsed() / 1000), growth / 1024);
    EXPECT_LT(growth, kGrowthLimitBytes);
    EXPECT_GT(passed_, 0);
}

}  // namespace
}  // namespace zav
