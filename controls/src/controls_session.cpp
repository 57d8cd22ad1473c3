#include "zav/controls/controls_session.h"

#include "actuator_commands.h"
#include "controls_session_core.h"
#include "zav/app/command_layer.h"
#include "zav/app/event_wait.h"
#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/model_table.h"
#include "zav/app/port_access_text.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_download.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"
#include "zav/app/unit_type_rule.h"
#include "zav/base/messages.h"
#include "zav/lang/text_ids.h"

namespace zav::controls {
namespace {

constexpr int kSettleTicks = 5;
constexpr int kEnterAckTicks = 10;
constexpr int kGainsAckTicks = 30;

constexpr ControlSet kReadyControls = Bit(Control::Ok) | Bit(Control::Cancel) |
                                      Bit(Control::StartPolling) | Bit(Control::MotorForward) |
                                      Bit(Control::MotorReverse);

void showText(int textId) {
    base::showMessage(app::Global::LangText(textId));
}

// Shows an actuator frame with its ON and PARK buttons usable; OFF stays
// disabled until ON is pressed.
void showActuatorGroup(ControlPanel& panel, Group group, Control on, Control off, Control park) {
    panel.showGroup(group);
    for (Control control : {on, off, park}) panel.setVisible(control, true);
    panel.enable(Bit(on) | Bit(park));
}

}  // namespace

ControlsSession::ControlsSession(std::int16_t port, std::chrono::milliseconds tickLength,
                                 app::SessionView& view, QObject* parent)
    : ControlsSession(std::make_shared<ControlsSessionCore>(port, tickLength, view), parent) {}

ControlsSession::ControlsSession(std::shared_ptr<ControlsSessionCore> core, QObject* parent)
    : ToolSession(core, parent), core_(std::move(core)) {
    connect(core_.get(), &ControlsSessionCore::panelChanged, this, &ControlsSession::changed);
}

// Whatever may wait holds the core, so it outlives this session if that is
// deleted meanwhile.
void ControlsSession::start() {
    const auto core = core_;
    core->prepare();
}

bool ControlsSession::press(Control control) {
    const auto core = core_;
    return core->press(control);
}

bool ControlsSession::selectSensor(int position) {
    return core_->selectSensor(position);
}

const ControlPanel& ControlsSession::panel() const {
    return core_->panel();
}

const app::ValidatorData& ControlsSession::validator() const {
    return core_->validator();
}

ControlsSessionCore::ControlsSessionCore(std::int16_t port, std::chrono::milliseconds tickLength,
                                         app::SessionView& view)
    : port_(port),
      clock_(tickLength),
      lifetime_(clock_, view, [this] { unload(); }),
      poll_(tickLength) {
    connect(&downloadPoll_, &app::RamDownloadPoll::finished, this,
            [this] { downloadComplete_ = true; });
    connect(&poll_, &SensorPoll::reading, this, &ControlsSessionCore::showReading);
}

void ControlsSessionCore::prepare() {
    if (closing()) return;
    const app::SessionLifetime::Busy busy(lifetime_);
    downloadComplete_ = false;
    setStatus(lang::text::kGettingSensorData);
    if (!portUsable() || !identify() || !loadRamUtility()) return;

    setStatus(lang::text::kDownloadGains);
    const std::int16_t opened = app::OpenRamChannel(port_);
    if (opened != app::kSerialOk) {
        lifetime_.view().setStatusText(app::SerialStatusText(opened));
        return;
    }
    enterRamUtility();
    if (closing()) return;

    panel_.enable(kReadyControls);
    panel_.readingBarEnabled = true;
    showSupportedGroups();
    emit panelChanged();
    if (app::OpenRamChannel(port_) != app::kSerialOk) setStatus(lang::text::kPortFailed);
}

// A port that cannot be opened makes every later step fail with a message
// of its own: the engineer gets one, with the reason and where to choose
// another port, and preparation ends with every control disabled.
bool ControlsSessionCore::portUsable() {
    const QString problem = app::portProblem(port_);
    if (problem.isEmpty()) return true;
    setStatus(lang::text::kPortError);
    base::showMessage(
        app::portProblemMessage(app::Global::LangText(lang::text::kPortError), problem),
        base::MessageIcon::Critical);
    return false;
}

// False when preparation ends here.
bool ControlsSessionCore::identify() {
    const std::int16_t sensors = app::ReadValidatorSensorData(port_, command_, reply_, data_);
    if (sensors == app::kReadNoSensorData) {
        // Preparation ends here for good: the status line says why too.
        setStatus(lang::text::kNoSensorData);
        showText(lang::text::kNoSensorData);
        return false;
    }
    if (sensors == app::kReadFailed) showText(lang::text::kErrorSensorData);
    if (closing()) return false;
    if (app::ReadMotorData(port_, command_, reply_, data_) == app::kReadOk) {
        setStatus(lang::text::kDataFetched);
    } else {
        showText(lang::text::kErrorMotorData);
    }
    if (closing()) return false;
    const bool firmwareRead =
        app::ReadFullFirmware(port_, command_, reply_, version_) == app::kReadOk;
    if (!firmwareRead) showText(lang::text::kErrorFirmware);
    app::ApplyFirmwareUnitType(data_, version_);
    if (closing()) {
        if (firmwareRead) app::Link().CloseComm();  // the read leaves the port open
        return false;
    }
    return true;
}

// The download and the pauses around it. A download that neither completes
// nor fails is given up after kDownloadWaitTicks without a message; its
// failure is shown by the download poll. False when the session was closed.
bool ControlsSessionCore::loadRamUtility() {
    app::PauseTicks(clock_, kSettleTicks);
    if (closing()) return false;
    app::DownloadRamUtility(data_, port_, downloadPoll_);
    clock_.reset();
    clock_.start();
    app::EventWait(clock_).wakeOn(&downloadPoll_, &app::RamDownloadPoll::finished).until([this] {
        return downloadComplete_ || closing() || clock_.ticks() >= kDownloadWaitTicks;
    });
    clock_.stop();
    if (closing()) return false;
    if (downloadComplete_) setStatus(lang::text::kDownloadComplete);
    app::PauseTicks(clock_, kSettleTicks);
    return !closing();
}

void ControlsSessionCore::enterRamUtility() {
    if (!app::EnterRamUtility(kEnterAckTicks, port_, clock_)) {
        if (!closing()) setStatus(lang::text::kNotAnswering);
        return;
    }
    if (closing()) return;
    const bool gainsTaken = app::SendSensorGains(kGainsAckTicks, port_, clock_, data_);
    if (!closing()) setStatus(gainsTaken ? lang::text::kSelectSensor : lang::text::kDownloadError);
}

// Fills the sensor list and shows the frames of the actuators the unit has:
// the stacker for a sensor of type "Z" or "(", the straightener for "R", the
// bezel for a TM6.
void ControlsSessionCore::showSupportedGroups() {
    panel_.sensors.clear();
    for (int i = 0; i < data_.SensorCount; ++i) {
        panel_.sensors << app::ValueAt(data_.SensorName, i);
        const char type = static_cast<char>(app::ValueAt(data_.Type, i));
        if (type == 'Z' || type == '(') {
            showActuatorGroup(panel_, Group::Stacker, Control::StackerOn, Control::StackerOff,
                              Control::StackerPark);
        } else if (type == 'R') {
            showActuatorGroup(panel_, Group::Straightener, Control::StraightenerOn,
                              Control::StraightenerOff, Control::StraightenerPark);
        }
    }
    if (const app::ModelTraits* model = app::FindModel(data_.UnitType); model && model->bezel) {
        panel_.showGroup(Group::BezelLed);
        for (Control bezel :
             {Control::BezelRed, Control::BezelGreen, Control::BezelBlue, Control::BezelWhite}) {
            panel_.setVisible(bezel, true);
            panel_.setEnabled(bezel, true);
        }
    }
    panel_.selectedSensor = panel_.sensors.isEmpty() ? 0 : 1;
    poll_.setTarget(data_.UnitType, panel_.selectedSensor);
}

bool ControlsSessionCore::press(Control control) {
    if (closing() || !panel_.usable(control)) return false;
    const app::SessionLifetime::Busy busy(lifetime_);
    switch (control) {
        case Control::StartPolling:
            startPolling();
            return true;
        case Control::StopPolling:
            stopPolling();
            return true;
        case Control::Ok:
        case Control::Cancel:
            lifetime_.requestClose();
            return true;
        default:
            break;
    }
    const ActuatorCommand* command = FindActuatorCommand(control);
    if (!command) return false;
    runCommand(*command);
    return true;
}

// Polling pauses while the command runs, so the RAM utility sees one request
// at a time, and resumes afterwards unless the engineer stopped it meanwhile.
void ControlsSessionCore::runCommand(const ActuatorCommand& command) {
    const bool wasPolling = poll_.isActive();
    poll_.stop();
    setStatus(command.statusText);
    if (command.ackLimitTicks > 0) {
        panel_.enable(command.busyEnable);
        panel_.disable(command.busyDisable);
        // A second wait would stop this one's clock, and the poll would take
        // its acknowledge: the other acknowledged commands and Start show
        // disabled until it is over.
        panel_.block((AcknowledgedControls() | Bit(Control::StartPolling)) & ~Bit(command.control));
        emit panelChanged();
        app::SendRamCommand(command.byte);
        const bool acknowledged = app::WaitForAck(command.ackLimitTicks, clock_);
        panel_.unblock();
        if (closing()) return;
        if (!acknowledged) {
            setStatus(lang::text::kConnectionLost);
        } else if (command.clearStatusOnAck) {
            lifetime_.view().setStatusText(QString());
        }
    } else {
        app::SendRamCommand(command.byte);
    }
    panel_.enable(command.doneEnable);
    panel_.disable(command.doneDisable);
    emit panelChanged();
    if (wasPolling && panel_.control(Control::StopPolling).enabled) poll_.start();
}

bool ControlsSessionCore::selectSensor(int position) {
    if (position < 1 || position > panel_.sensors.size()) return false;
    panel_.selectedSensor = position;
    poll_.setTarget(data_.UnitType, position);
    emit panelChanged();
    return true;
}

void ControlsSessionCore::startPolling() {
    panel_.enable(Bit(Control::StopPolling));
    panel_.disable(Bit(Control::StartPolling));
    panel_.readingBarEnabled = true;  // Stop greyed it
    setStatus(lang::text::kPollingSensor);
    poll_.start();
    emit panelChanged();
}

void ControlsSessionCore::stopPolling() {
    poll_.stop();
    panel_.readingValue = 0;
    panel_.readingText.clear();
    setStatus(lang::text::kSelectSensor);
    panel_.readingBarEnabled = false;
    panel_.enable(Bit(Control::StartPolling));
    panel_.disable(Bit(Control::StopPolling));
    emit panelChanged();
}

void ControlsSessionCore::showReading(std::uint8_t value) {
    panel_.readingValue = value;
    panel_.readingText = QString::number(value);
    emit panelChanged();
}

// Stops polling and a transfer still running, then tells the RAM utility to
// leave and closes the channel.
void ControlsSessionCore::unload() {
    if (panel_.control(Control::StopPolling).enabled) stopPolling();
    poll_.stop();
    downloadPoll_.abandon();
    app::SendRamCommand(app::ram_command::kLeave);
    app::Serial().ClosePort();
    emit panelChanged();
}

void ControlsSessionCore::setStatus(int textId) {
    lifetime_.view().setStatusText(textId == 0 ? QString() : app::Global::LangText(textId));
}

}  // namespace zav::controls
