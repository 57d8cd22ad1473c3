// The fault matrix: every failure text the engineer can meet in the command
// layer, the RAM utility download and channel, the diagnostic run, the
// controls and the initialisation, each reached through its session against
// the simulator with one fault switched on, and each run ending within the
// waits its path allows. Prints "failure texts reached: X of Y" and the
// texts not reached; texts no run on Linux can produce are listed with the
// reason and not counted against it.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core_test_support.h"
#include "program_state.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/base/program_directory.h"
#include "zav/controls/controls_session.h"
#include "zav/controls/initialise_session.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/sim/simulator.h"
#include "zav/test/wait_until.h"

namespace zav {
namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kTick = 10ms;
constexpr std::int16_t kPort = 114;
constexpr std::int16_t kPortWithoutDevice = 125;
// Link traffic, the download and the simulator's own pace on top of the
// ticks a path waits (a loaded machine included).
constexpr qint64 kAllowanceMs = 4000;

// A failure text as the catalogue names it, and where the engineer meets it.
struct Text {
    const char* key;
    const char* where;
    const char* unreachable = nullptr;  // why no run on Linux can show it
};

// Every failure text, by number or quoted literal.
const std::vector<Text> kCatalogue = {
    // Command layer.
    {"id 74", "link port does not open (controls)"},
    {"id 75", "SYNC unanswered (diagnostic)"},
    {"id 76", "serial number unanswered"},
    {"id 77", "sensor configuration unanswered"},
    {"id 78", "motor configuration unanswered"},
    {"id 79", "motor record refused"},
    {"id 80", "firmware text unanswered"},
    {"id 81", "dataset text unanswered"},
    {"\"Bad Reply to GET_SENSOR_INFO_DATA command\"", "sensor record refused"},
    // Callers of the command layer.
    {"id 34 diagnostic", "unit without sensor data"},
    {"id 35 diagnostic", "identification failed"},
    {"id 33 diagnostic", "motor data failed"},
    {"id 36 diagnostic", "firmware failed"},
    {"id 37 diagnostic", "dataset failed"},
    {"id 52 diagnostic", "status line after a failed identification"},
    {"id 34 controls", "unit without sensor data"},
    {"id 35 controls", "identification failed"},
    {"id 33 controls", "motor data failed"},
    {"id 36 controls", "firmware failed"},
    // RAM utility download.
    {"id 82 \"NOT_ZAV_FILE\"", "the model's file is no image"},
    {"id 82 \"READ_FILE_ERROR\"", "the model's file cannot be read"},
    {"id 82 \"OPEN_FILE_ERROR\"", "the model's file is missing"},
    {"\"SYNC_CONNECTION_FAIL\"", "the download's SYNC unanswered"},
    {"id 39 \"DATA_TRANSFER_FAIL\"", "the RAM loader stops echoing (diagnostic poll)"},
    {"\"PROG_COMMAND_FAIL\"", "the program command refused"},
    {"\"HEADER_FAIL\"", "the header refused"},
    {"id 39 controls", "download poll error (controls)"},
    {"id 39 diagnostic status", "download not complete within 200 ticks"},
    {"\"PORT_OPEN_FAIL\"", "the download's port does not open",
     "the download starts on the port the dataset read left open, and opening an open port "
     "succeeds at once"},
    {"\"SECURITY_PROTECTED_FILE\"", "protected image",
     "only DownloadFile checks protection; the tools download with DownloadRamFile"},
    {"\"PROG_STATUS_FAIL\"", "end command refused",
     "only the old-format program download sends the end command; the tools never start one"},
    {"\"PROG_RESET_FAIL\"", "reset refused",
     "only the old-format program download resets the unit; the tools never start one"},
    {"\"DOWNLOAD_NOT_ALLOWED\"", "download refused",
     "only the old-format program download asks permission; the tools never start one"},
    {"\"UNKNOWN ERROR\"", "a code outside the table",
     "DownloadRamFile reports only codes of the table (the speed check is the program "
     "download's)"},
    // RAM utility channel.
    {"id 55 diagnostic entry", "0x86 unacknowledged"},
    {"id 39 diagnostic gains", "sensor gains unacknowledged"},
    {"id 55 controls entry", "0x86 unacknowledged"},
    {"id 39 controls gains", "sensor gains unacknowledged"},
    {"id 52 controls", "a control command unacknowledged"},
    {"\"INVALID PORT\"", "the channel's port has no device"},
    {"\"DATA TIMEOUT\"", "serial status 2",
     "status texts are shown for OpenPortAdvanced results only, which are 0, 4, 5 or 6"},
    {"\"CHECKSUM ERROR\"", "serial status 3",
     "status texts are shown for OpenPortAdvanced results only, which are 0, 4, 5 or 6"},
    {"\"INVALID BAUD RATE\"", "serial status 5",
     "the tools always open at 38400 baud, no parity, two stop bits, which the library takes"},
    {"\"UNABLE TO SET BAUD RATE\"", "serial status 6",
     "termios takes 38400 baud 8N2 on every serial device and pseudo-terminal"},
    {"\"UNABLE TO SET TIMEOUTS\"", "serial status 7", "the Linux library never returns 7"},
    {"\"INVALID BUFFER SIZES\"", "serial status 8", "the Linux library never returns 8"},
    {"\"UNABLE TO SEND DATA\"", "serial status 9",
     "status texts are shown for OpenPortAdvanced results only, which are 0, 4, 5 or 6"},
    {"\"UNABLE TO WRITE TO PORT\"", "serial status 10",
     "status texts are shown for OpenPortAdvanced results only, which are 0, 4, 5 or 6"},
    {"\"PORT NOT OPENED\"", "serial status 11",
     "status texts are shown for OpenPortAdvanced results only, which are 0, 4, 5 or 6"},
    // Diagnostic run.
    {"id 62", "the utility answers the probe, no sensor data known"},
    {"id 55 start of tests", "0x85 unacknowledged"},
    {"id 55 stacker", "stacker packet missing"},
    {"id 55 opto wheel", "opto-wheel packet missing"},
    {"id 55 straightener", "straightener packet missing"},
    {"id 55 paper-less", "paper-less packet missing"},
    {"id 66 opto wheel", "opto-wheel packet with the wrong code"},
    {"id 66 straightener", "straightener packet with the wrong code"},
    {"id 71", "no green paper within 300 ticks"},
    {"id 73 verdict", "a sensor out of its limits"},
    {"id 73 cancel", "Cancel during the green-paper step"},
    // Controls.
    {"id 56 controls", "the channel does not open again at the end of preparation"},
    {"serial status controls", "the channel does not open after the download"},
    // Initialisation.
    {"\"No connection to validator detected\"", "SYNC unanswered while reading capability"},
    {"id 105", "capability bit 3 clear"},
    {"id 36 initialise", "firmware failed"},
    {"id 77 initialise", "sensor count 255"},
    {"id 56 initialise", "link port does not open for the run",
     "the firmware read just before leaves the port open, and OpenPort on an open port returns "
     "1 at once"},
    {"id 75 initialise", "SYNC of the run unanswered"},
    {"id 106", "initialise answered 0xF5"},
    {"id 55 initialise", "initialise answered otherwise; the run goes on"},
    {"id 107", "data collect refused"},
    {"id 108", "status answered 0xF2"},
    {"id 55 poll", "POLL answered otherwise"},
    {"id 8 id 73 status", "the channel does not open when the window closes"},
};

enum class Tool { Diagnostic, Controls, Initialise };

// What a run finds besides the faults.
enum class Setup {
    None,
    NoDevice,         // the port has no device at all
    NoDeviceNoStart,  // the same, and the window closes without a run
    UtilityRunning,   // the RAM utility runs, no sensor data are known
    RamFileNotImage,  // the model's RAM utility file holds something else
    RamFileDirectory,
    RamFileMissing,
    CapabilityClear,  // no initialisation data function
};

// One run, and the texts it must show (key of the catalogue, text as read).
struct Scenario {
    Tool tool;
    std::string model;
    std::vector<const char*> faults;
    std::vector<std::pair<const char*, QString>> shows;
    int limitTicks;  // the waits the path makes, in ticks
    Setup setup = Setup::None;
    std::function<void(QObject&)> during{};  // acts on the running session
    const char* unplugAt = nullptr;          // the unit goes away once the status line shows this
    // The library's download goes on after the session gave up on it.
    bool downloadOutlivesRun = false;
};

// The recording front end as the session's view, which also unplugs the unit
// (its pseudo-terminal goes away) when the status line shows a given text.
class UnpluggingView final : public app::SessionView {
  public:
    UnpluggingView(app::test::RecordingFrontEnd& frontEnd, sim::Simulator* unit, const char* at)
        : frontEnd_(frontEnd), unit_(unit), at_(at ? QString::fromUtf8(at) : QString()) {}
    void setStatusText(const QString& text) override {
        frontEnd_.setStatusText(text);
        if (unit_ && !at_.isEmpty() && text == at_) unit_->stop();
    }
    void setMousePointer(app::MousePointer pointer) override { frontEnd_.setMousePointer(pointer); }

  private:
    app::test::RecordingFrontEnd& frontEnd_;
    sim::Simulator* unit_;
    QString at_;
};

// Texts 82 and 39 as fetched: the trailing blank of the table goes, so the
// code follows at once.
const QString kRamFileError = QStringLiteral("Error with RAM file");
const QString kDownloadError = QStringLiteral("Download error!");

std::vector<Scenario> MakeScenarios() {
    // The simulated unit's own calibration: four stages of 300 ms a sensor,
    // each sensor half a stage after the one before (26 sensors).
    constexpr int kCalibrationTicks = (4 * 300 + 26 * 150) / 10;
    // The diagnostic's fixed pauses (10 + 10 + 10 ticks) and the probe (5).
    constexpr int kDiagPauses = 35;
    return {
        // Command layer and its callers.
        {Tool::Controls,
         "TM6",
         {},
         {{"id 74", "Error opening communication port!"}},
         160,
         Setup::NoDevice},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:sync:1"},
         {{"id 75", "No sync response!"},
          {"id 35 diagnostic", "Error getting sensor data"},
          {"id 52 diagnostic", "status: Connection lost!"}},
         5},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:serial"},
         {{"id 76", "No response to GET_serialnumber"}},
         5},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:sensor-config"},
         {{"id 77", "No response to GET_SENSOR_CONFIG_DATA"}},
         5},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:motor-config"},
         {{"id 78", "No response to GET_MOTOR_CONFIG_DATA"},
          {"id 33 diagnostic", "Error getting motor data"}},
         5},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:motor-info:1"},
         {{"id 79", "Bad Reply to GET_MOTOR_INFO_DATA command"}},
         5},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:firmware"},
         {{"id 80", "No response to GET_FULL_FIRMWARE"},
          {"id 36 diagnostic", "Error getting firmware version"}},
         5},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:dataset"},
         {{"id 81", "No response to GET_DATASET_CODE"},
          {"id 37 diagnostic", "Error getting dataset version"}},
         5},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:sensor-info:1:2"},
         {{"\"Bad Reply to GET_SENSOR_INFO_DATA command\"",
           "Bad Reply to GET_SENSOR_INFO_DATA command"}},
         5},
        {Tool::Diagnostic,
         "PQ1",
         {},
         {{"id 34 diagnostic", "No sensor data for diagnostics found in this device."}},
         5},
        {Tool::Controls,
         "PQ1",
         {},
         {{"id 34 controls", "No sensor data for diagnostics found in this device."}},
         0},
        {Tool::Controls,
         "TM6",
         {"code=F2:serial"},
         {{"id 35 controls", "Error getting sensor data"}},
         160},
        {Tool::Controls,
         "TM6",
         {"code=F2:motor-config"},
         {{"id 33 controls", "Error getting motor data"}},
         160},
        {Tool::Controls,
         "TM6",
         {"code=F2:firmware"},
         {{"id 36 controls", "Error getting firmware version"}},
         160},
        // RAM utility download.
        {Tool::Diagnostic,
         "TM6",
         {},
         {{"id 82 \"NOT_ZAV_FILE\"", kRamFileError + "NOT_ZAV_FILE"}},
         kDiagPauses + 200,
         Setup::RamFileNotImage},
        {Tool::Diagnostic,
         "TM6",
         {},
         {{"id 82 \"READ_FILE_ERROR\"", kRamFileError + "READ_FILE_ERROR"}},
         kDiagPauses + 200,
         Setup::RamFileDirectory},
        {Tool::Diagnostic,
         "TM6",
         {},
         {{"id 82 \"OPEN_FILE_ERROR\"", kRamFileError + "OPEN_FILE_ERROR"}},
         kDiagPauses + 200,
         Setup::RamFileMissing},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:sync:1:4"},
         {{"\"SYNC_CONNECTION_FAIL\"", "SYNC_CONNECTION_FAIL"}},
         kDiagPauses + 200},
        {Tool::Diagnostic,
         "TM6",
         {"code=00:loader-echo"},
         {{"id 39 \"DATA_TRANSFER_FAIL\"", kDownloadError + "DATA_TRANSFER_FAIL"}},
         kDiagPauses + 200},
        {Tool::Diagnostic,
         "TM6",
         {"noreply:loader-echo"},
         {{"id 39 diagnostic status", "status: " + kDownloadError}},
         kDiagPauses + 200,
         Setup::None,
         {},
         nullptr,
         true},
        {Tool::Diagnostic,
         "TM6",
         {"code=F2:program"},
         {{"\"PROG_COMMAND_FAIL\"", "PROG_COMMAND_FAIL"}},
         kDiagPauses + 200},
        {Tool::Diagnostic,
         "TM6",
         {"code=F9:header"},
         {{"\"HEADER_FAIL\"", "HEADER_FAIL"}},
         kDiagPauses + 200},
        {Tool::Controls,
         "TM6",
         {"noreply:loader-echo"},
         {{"id 39 controls", kDownloadError + "DATA_TRANSFER_FAIL"}},
         160,
         Setup::None,
         {},
         nullptr,
         true},
        // RAM utility channel.
        {Tool::Diagnostic,
         "TM6",
         {"noack=86"},
         {{"id 55 diagnostic entry", "status: Not answering command!"}},
         kDiagPauses + 10},
        {Tool::Diagnostic,
         "TM6",
         {"noack=7F"},
         {{"id 39 diagnostic gains", "status: " + kDownloadError}},
         kDiagPauses + 30},
        {Tool::Controls,
         "TM6",
         {"noack=86"},
         {{"id 55 controls entry", "status: Not answering command!"}},
         160 + 10},
        {Tool::Controls,
         "TM6",
         {"noack=7F"},
         {{"id 39 controls gains", "status: " + kDownloadError}},
         160 + 30},
        {Tool::Controls,
         "TM6",
         {"noack=9C"},
         {{"id 52 controls", "status: Connection lost!"}},
         160 + 40 + 10,
         Setup::None,
         [](QObject& session) {
             static_cast<controls::ControlsSession&>(session).press(controls::Control::BezelRed);
         }},
        {Tool::Diagnostic,
         "TM6",
         {},
         {{"\"INVALID PORT\"", "status: INVALID PORT"}},
         0,
         Setup::NoDevice},
        // Controls: the unit unplugged during preparation.
        {Tool::Controls,
         "TM6",
         {},
         {{"serial status controls", "status: INVALID PORT"}},
         160,
         Setup::None,
         {},
         "Download sensor gains!"},
        {Tool::Controls,
         "TM6",
         {},
         {{"id 56 controls", "status: COM port failed to open!"}},
         160 + 40,
         Setup::None,
         {},
         "Select a sensor and start reading."},
        // Diagnostic run.
        {Tool::Diagnostic,
         "TM6",
         {},
         {{"id 62", "status: You need to restart the equipment!"}},
         5,
         Setup::UtilityRunning},
        {Tool::Diagnostic,
         "TM6",
         {"noack=85"},
         {{"id 55 start of tests", "status: Not answering command!"}},
         kDiagPauses + 10},
        {Tool::Diagnostic,
         "TM6",
         {"badcheck=stacker"},
         {{"id 55 stacker", "status: Not answering command!"}},
         kDiagPauses + 10 + 90},
        {Tool::Diagnostic,
         "TM6",
         {"badcheck=opto"},
         {{"id 55 opto wheel", "status: Not answering command!"}},
         kDiagPauses + 10 + 90 + 30},
        {Tool::Diagnostic,
         "TM6",
         {"badcheck=straightener"},
         {{"id 55 straightener", "status: Not answering command!"}},
         kDiagPauses + 10 + 90 + 30 + 30},
        {Tool::Diagnostic,
         "TM6",
         {"badcheck=paperless"},
         {{"id 55 paper-less", "status: Not answering command!"}},
         kDiagPauses + 10 + 90 + 30 + 30 + 30},
        {Tool::Diagnostic,
         "TM6",
         {"wrongcode=opto", "wrongcode=straightener"},
         {{"id 66 opto wheel", "status: Unexpected answer!"},
          {"id 66 straightener", "status: Unexpected answer!"}},
         kDiagPauses + 10 + 90 + 30 + 30 + 30 + 300},
        {Tool::Diagnostic,
         "TM6",
         {"nopaper"},
         {{"id 71", "status: No green paper. Test timeout!"}},
         kDiagPauses + 10 + 90 + 30 + 30 + 30 + 300},
        {Tool::Diagnostic,
         "TM6",
         {"pathfail=2"},
         {{"id 73 verdict", "status: \nFAILED"}},
         kDiagPauses + 10 + 90 + 30 + 30 + 30 + 300},
        {Tool::Diagnostic,
         "TM6",
         {"nopaper"},
         {{"id 73 cancel", "status: FAILED"}},
         kDiagPauses + 10 + 90 + 30 + 30 + 30,
         Setup::None,
         [](QObject& session) {
             auto& diagnostic = static_cast<diag::DiagnosticSession&>(session);
             QObject::connect(&diagnostic, &diag::DiagnosticSession::buttonsChanged, [&diagnostic] {
                 if (diagnostic.isRunning() && diagnostic.buttons().cancel) {
                     QTimer::singleShot(0, &diagnostic, [&diagnostic] {
                         diagnostic.press(diag::DiagnosticButton::Cancel);
                     });
                 }
             });
         }},
        // Initialisation.
        {Tool::Initialise,
         "TM6",
         {"code=F2:sync:1"},
         {{"\"No connection to validator detected\"", "No connection to validator detected"}},
         0},
        {Tool::Initialise,
         "TM6",
         {},
         {{"id 105", "This validator version does not support"}},
         0,
         Setup::CapabilityClear},
        {Tool::Initialise,
         "TM6",
         {"code=F2:firmware"},
         {{"id 36 initialise", "Error getting firmware version"}},
         0},
        {Tool::Initialise,
         "TM6",
         {"reply=F0,FF,00:sensor-config"},
         {{"id 77 initialise", "No response to GET_SENSOR_CONFIG_DATA"}},
         kCalibrationTicks},
        {Tool::Initialise,
         "TM6",
         {"code=F2:sync:1:3"},
         {{"id 75 initialise", "No sync response!"}},
         0},
        {Tool::Initialise,
         "TM6",
         {"code=F5:0x30/0x0F"},
         {{"id 106", "Can not initialise. No EEPROM data"}},
         0},
        {Tool::Initialise,
         "TM6",
         {"code=F4:0x30/0x0F"},
         {{"id 55 initialise", "Not answering command!"}},
         kCalibrationTicks},
        {Tool::Initialise,
         "TM6",
         {"code=F2:0x30/0x64"},
         {{"id 107", "Bad Reply to data collect command"}},
         0},
        {Tool::Initialise,
         "TM6",
         {"code=F2:0x30/0x76"},
         {{"id 108", "This RX Firmware does not support data function"}},
         0},
        {Tool::Initialise, "TM6", {"code=F1:poll"}, {{"id 55 poll", "Not answering command!"}}, 0},
        {Tool::Initialise,
         "TM6",
         {},
         {{"id 8 id 73 status", "Serial Port FAILED INVALID PORT"}},
         0,
         Setup::NoDeviceNoStart},
    };
}

const std::vector<Scenario>& Scenarios() {
    static const std::vector<Scenario> scenarios = MakeScenarios();
    return scenarios;
}

// A scenario's name: its first key in letters, digits and underscores, with
// a count after it when an earlier scenario starts with the same key.
std::string ScenarioName(std::size_t index) {
    const auto nameOf = [](const Scenario& scenario) {
        std::string name = scenario.shows.front().first;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    };
    const std::string name = nameOf(Scenarios()[index]);
    int earlier = 0;
    for (std::size_t i = 0; i < index; ++i) earlier += nameOf(Scenarios()[i]) == name;
    return earlier == 0 ? name : name + '_' + std::to_string(earlier + 1);
}

// One test case per scenario, registered at start-up. Registered by hand
// rather than with TEST_P: the parameterised registry's containers cross
// into the prebuilt GoogleTest library, which the checked-container build
// of the standard library does not match.
class FaultMatrixTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { app::test::useBuiltProgram(); }
    // Once every scenario has run: every text of the catalogue was reached.
    static void TearDownTestSuite() {
        if (runs_ == Scenarios().size()) ExpectEveryTextReached();
    }

    // Runs one scenario; true when it showed every text it must and ended in
    // time.
    bool Run(const Scenario& scenario) {
        ++runs_;
        const QString programDirectory = base::ProgramDirectory();
        QTemporaryDir ramFiles;
        std::unique_ptr<sim::Simulator> unit;
        if (scenario.setup == Setup::NoDevice || scenario.setup == Setup::NoDeviceNoStart) {
            app::SetCurrentPort(kPortWithoutDevice);
        } else {
            sim::Options options;
            options.model = scenario.model;
            options.test_step_ms = 0;
            options.paper_delay_ms = 0;
            if (scenario.setup == Setup::UtilityRunning) options.program = sim::Program::RamUtility;
            if (scenario.setup == Setup::CapabilityClear) options.initialisation.capability = 0xF7;
            unit = std::make_unique<sim::Simulator>(options);
            for (const char* fault : scenario.faults) AddFault(*unit, fault);
            std::string why;
            EXPECT_TRUE(unit->start(&why)) << why;
            unit->export_port(kPort);
            app::SetCurrentPort(kPort);
        }
        if (scenario.setup == Setup::UtilityRunning) diag::ProgramState().sensorDataLoaded = false;
        if (scenario.setup == Setup::RamFileNotImage || scenario.setup == Setup::RamFileDirectory ||
            scenario.setup == Setup::RamFileMissing) {
            const QString file = ramFiles.filePath(QString::fromStdString(scenario.model) +
                                                   QStringLiteral("_ram_ut.rx1"));
            if (scenario.setup == Setup::RamFileNotImage) {
                QFile out(file);
                EXPECT_TRUE(out.open(QIODevice::WriteOnly));
                out.write(QByteArray(300, 'x'));
            } else if (scenario.setup == Setup::RamFileDirectory) {
                EXPECT_TRUE(QDir().mkpath(file));
            }
            base::SetProgramDirectory(ramFiles.path());
        }

        app::test::RecordingFrontEnd frontEnd;
        QElapsedTimer clock;
        clock.start();
        UnpluggingView view(frontEnd, unit.get(), scenario.unplugAt);
        RunSession(scenario, frontEnd, view);
        const qint64 elapsed = clock.elapsed();
        base::SetProgramDirectory(programDirectory);
        if (scenario.downloadOutlivesRun) WaitForDownloadEnd();
        app::Link().CloseComm();
        app::Serial().ClosePort();
        if (unit) unit->stop();

        const qint64 limit = scenario.limitTicks * kTick.count() + kAllowanceMs;
        bool all = true;
        for (const auto& [key, text] : scenario.shows) {
            const bool shown = std::any_of(frontEnd.events.begin(), frontEnd.events.end(),
                                           [&](const QString& e) { return e.contains(text); });
            const bool inTime = elapsed <= limit;
            EXPECT_TRUE(shown) << key << ": \"" << text.toStdString() << "\" not among\n"
                               << frontEnd.events.join('\n').toStdString();
            EXPECT_TRUE(inTime) << key << ": the run took " << elapsed << " ms, limit " << limit;
            reached_[key] =
                reached_.count(key) ? reached_[key] && shown && inTime : shown && inTime;
            all = all && shown && inTime;
        }
        return all;
    }

    // A download the session gave up waiting for goes on in the library;
    // the next run starts once it has ended.
    static void WaitForDownloadEnd() {
        zav::test::waitUntil([] { return app::Link().GetRamDownloadData() >= ZAV_DOWNLOAD_DONE; },
                             20s);
    }

    static void AddFault(sim::Simulator& unit, const char* text) {
        std::string why;
        ASSERT_TRUE(unit.add_fault_text(text, &why)) << text << ": " << why;
    }

    static void RunSession(const Scenario& scenario, app::test::RecordingFrontEnd&,
                           app::SessionView& frontEnd) {
        const std::int16_t port = app::CurrentPort();
        switch (scenario.tool) {
            case Tool::Diagnostic: {
                diag::DiagnosticSession session(zav::app::CurrentPort(), kTick, frontEnd);
                if (scenario.during) scenario.during(session);
                session.start();
                session.press(zav::diag::DiagnosticButton::Ok);
                break;
            }
            case Tool::Controls: {
                controls::ControlsSession session(port, kTick, frontEnd);
                session.start();
                if (scenario.during) scenario.during(session);
                session.requestClose();
                break;
            }
            case Tool::Initialise: {
                controls::InitialiseSession session(port, kTick, frontEnd);
                // A run on a port without a device has said so already, and
                // the close adds no second message about it.
                if (scenario.setup != Setup::NoDeviceNoStart) session.start();
                session.requestClose();
                break;
            }
        }
    }

    static void ExpectEveryTextReached();

    // What the scenarios that ran have reached, by key, and how many ran.
    static std::size_t runs_;
    static std::map<std::string, bool> reached_;
};

void FaultMatrixTest::ExpectEveryTextReached() {
    std::map<std::string, bool>& reached = reached_;
    int counted = 0;
    int hit = 0;
    QStringList missing;
    for (const Text& text : kCatalogue) {
        if (text.unreachable) {
            std::printf("unreachable on Linux: %s (%s): %s\n", text.key, text.where,
                        text.unreachable);
            continue;
        }
        ++counted;
        if (reached.count(text.key) && reached[text.key]) {
            ++hit;
        } else {
            missing << QString::fromUtf8(text.key) + QStringLiteral(" (") +
                           QString::fromUtf8(text.where) + u')';
        }
    }
    std::printf("failure texts reached: %d of %d\n", hit, counted);
    for (const QString& text : missing) std::printf("not reached: %s\n", qPrintable(text));
    std::fflush(stdout);
    EXPECT_EQ(hit, counted);
    for (const auto& [key, ok] : reached) {
        const bool known = std::any_of(kCatalogue.begin(), kCatalogue.end(),
                                       [&](const Text& t) { return key == t.key; });
        EXPECT_TRUE(known) << key << " is not in the catalogue";
    }
}

std::size_t FaultMatrixTest::runs_ = 0;
std::map<std::string, bool> FaultMatrixTest::reached_;

class ScenarioTest : public FaultMatrixTest {
  public:
    explicit ScenarioTest(std::size_t index) : index_(index) {}
    void TestBody() override { Run(Scenarios()[index_]); }

  private:
    std::size_t index_;
};

const bool kRegistered = [] {
    for (std::size_t i = 0; i < Scenarios().size(); ++i) {
        const std::string name = "ShowsItsTextsAndEndsInTime/" + ScenarioName(i);
        ::testing::RegisterTest("Scenarios/FaultMatrixTest", name.c_str(), nullptr, nullptr,
                                __FILE__, __LINE__,
                                [i]() -> FaultMatrixTest* { return new ScenarioTest(i); });
    }
    return true;
}();

}  // namespace
}  // namespace zav
