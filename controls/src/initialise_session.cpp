#include "zav/controls/initialise_session.h"

#include <QCoreApplication>

#include "initialise_session_core.h"
#include "zav/app/command_layer.h"
#include "zav/app/event_wait.h"
#include "zav/app/global.h"
#include "zav/app/link_api.h"
#include "zav/app/link_request.h"
#include "zav/app/port_access_text.h"
#include "zav/app/ram_channel.h"
#include "zav/app/ram_utility_commands.h"
#include "zav/app/serial_api.h"
#include "zav/app/unit_type_rule.h"
#include "zav/base/messages.h"
#include "zav/lang/text_ids.h"

namespace zav::controls {
namespace {

using base::MessageIcon;

const char kTextNoConnection[] = "No connection to validator detected";

// Requests of the initialisation, in the expansion form 0x30 0x05 <request>.
constexpr std::uint8_t kRequestPoll = 0x07;
constexpr std::uint8_t kRequestCapability = 0x74;
constexpr std::uint8_t kRequestInitialise = 0x0F;
constexpr std::uint8_t kRequestDataCollect = 0x64;
constexpr std::uint8_t kDataCollectParameter = 0x04;
constexpr std::uint8_t kRequestStatus = 0x76;

// Reply codes and events.
constexpr std::uint8_t kReplyPollOk = 0xF6;          // POLL answered, as 0xF0
constexpr std::uint8_t kReplyNoDataFunction = 0xF2;  // to the status request
constexpr std::uint8_t kReplyNoEepromData = 0xF5;    // to the initialise request
constexpr std::uint8_t kEventInitialisationDone = 0xD0;
// Capability bit: the validator has the initialisation data function.
constexpr std::uint8_t kInitialisationDataFunction = 0x08;
// A sensor count the unit reports when it has no usable configuration.
constexpr std::int16_t kNoSensorCount = 255;

constexpr std::int16_t kLinkOpen = 1;
constexpr std::uint8_t kOneSecondOneRetry[] = {1, 1};

// Bytes a sensor takes in the status reply: code, gain 1, gain 2.
constexpr int kStatusBytesPerSensor = 3;

void showText(int textId, MessageIcon icon = MessageIcon::Warning) {
    base::showMessage(app::Global::LangText(textId), icon);
}

}  // namespace

InitialiseSession::InitialiseSession(std::int16_t port, std::chrono::milliseconds tickLength,
                                     app::SessionView& view, QObject* parent)
    : InitialiseSession(std::make_shared<InitialiseSessionCore>(port, tickLength, view), parent) {}

InitialiseSession::InitialiseSession(std::shared_ptr<InitialiseSessionCore> core, QObject* parent)
    : ToolSession(core, parent), core_(std::move(core)) {
    connect(core_.get(), &InitialiseSessionCore::changed, this, &InitialiseSession::changed);
}

// Whatever may wait holds the core, so it outlives this session if that is
// deleted meanwhile.
void InitialiseSession::start() {
    const auto core = core_;
    core->start();
}

bool InitialiseSession::completed() const {
    return core_->completed();
}

QString InitialiseSession::caption() const {
    return core_->caption();
}

const std::vector<SensorStatusRow>& InitialiseSession::rows() const {
    return core_->rows();
}

bool InitialiseSession::startEnabled() const {
    return core_->startEnabled();
}

const app::ValidatorData& InitialiseSession::validator() const {
    return core_->validator();
}

InitialiseSessionCore::InitialiseSessionCore(std::int16_t port,
                                             std::chrono::milliseconds tickLength,
                                             app::SessionView& view)
    : port_(port),
      clock_(tickLength),
      lifetime_(clock_, view, [this] { unload(); }),
      caption_(app::Global::LangText(lang::text::kInitialiseAndStatus)) {}

void InitialiseSessionCore::start() {
    if (!startEnabled_ || closing()) return;
    const app::SessionLifetime::Busy busy(lifetime_);
    completed_ = false;
    rows_.clear();
    startEnabled_ = false;
    emit changed();
    lifetime_.view().setMousePointer(app::MousePointer::Hourglass);
    completed_ = initialiseAndFollow();
    startEnabled_ = true;
    lifetime_.view().setMousePointer(app::MousePointer::Arrow);
    emit changed();
}

// Every step that can let the event loop run (each link call, the status
// loop's yield and pause) is followed by a look at closing(): a session
// that closes sends nothing more, and its unload closes the link port.
bool InitialiseSessionCore::initialiseAndFollow() {
    if (!portUsable()) return false;
    const std::optional<std::uint8_t> capability = readCapability();
    // Without a connection nothing was asked of the unit: "No connection"
    // stands alone.
    if (!capability) return false;
    if (!(*capability & kInitialisationDataFunction)) {
        if (!closing()) showText(lang::text::kNoInitFunction);
        return false;
    }
    if (app::ReadValidatorSensorData(port_, command_, reply_, data_) == app::kReadFailed ||
        closing()) {
        return false;
    }
    const bool firmwareRead =
        app::ReadFullFirmware(port_, command_, reply_, version_) == app::kReadOk;
    if (closing()) {
        if (firmwareRead) app::Link().CloseComm();  // the read leaves the port open
        return false;
    }
    if (!firmwareRead) {
        showText(lang::text::kErrorFirmware);
        return false;
    }
    app::ApplyFirmwareUnitType(data_, version_);
    prepareList();
    return startInitialisation() && followStatus() && finish();
}

// A port that cannot be opened: "No connection to validator detected", why,
// and where to choose another port, once; the run ends.
bool InitialiseSessionCore::portUsable() {
    const QString problem = app::portProblem(port_);
    if (problem.isEmpty()) return true;
    portProblemShown_ = true;
    base::showMessage(app::portProblemMessage(QString::fromLatin1(kTextNoConnection), problem));
    return false;
}

// The capability byte: 0 when the validator does not answer the request;
// nothing when there is no connection (the link does not open, or SYNC goes
// unanswered, which says so).
std::optional<std::uint8_t> InitialiseSessionCore::readCapability() {
    if (app::Link().OpenPort(port_) != kLinkOpen) {
        if (!closing()) base::showMessage(QString::fromLatin1(kTextNoConnection));
        return std::nullopt;
    }
    const bool synced = app::SendLinkRequest(command_, reply_, {app::kRequestSync});
    if (closing()) {
        app::Link().CloseComm();
        return std::nullopt;
    }
    if (!synced) {
        base::showMessage(QString::fromLatin1(kTextNoConnection));
        app::Link().CloseComm();
        return std::nullopt;
    }
    const bool answered = app::SendLinkRequest(
        command_, reply_, {app::kRequestExpansion, app::kExpansionSelector, kRequestCapability});
    const std::uint8_t capability = answered && !closing() ? reply_.data[1] : 0;
    app::Link().CloseComm();
    return capability;
}

void InitialiseSessionCore::prepareList() {
    caption_ =
        app::Global::LangText(lang::text::kValidator) + QStringLiteral(": ") + data_.UnitType;
    rows_.clear();
    if (data_.SensorCount == kNoSensorCount) {
        showText(lang::text::kNoSensorConfig);
    } else {
        for (int i = 0; i < data_.SensorCount; ++i) {
            rows_.push_back({app::ValueAt(data_.SensorName, i), {}, {}, {}, {}, false});
        }
    }
    emit changed();
}

// Opens the link for the rest of the run with a 1 second time-out and one
// retry (left in force afterwards), then SYNC, initialise and data collect.
bool InitialiseSessionCore::startInitialisation() {
    if (app::Link().OpenPort(port_) != kLinkOpen) {
        showText(lang::text::kPortFailed, MessageIcon::Critical);
        return false;
    }
    linkOpen_ = true;
    app::Link().SetRetryParameters(kOneSecondOneRetry);
    const bool synced = app::SendLinkRequest(command_, reply_, {app::kRequestSync});
    if (closing()) return false;
    if (!synced) {
        showText(lang::text::kNoSync);
        closeLink();
        return false;
    }
    app::SendLinkRequest(command_, reply_,
                         {app::kRequestExpansion, app::kExpansionSelector, kRequestInitialise});
    if (closing()) return false;
    if (reply_.data[0] == kReplyNoEepromData) {
        showText(lang::text::kNoEepromData, MessageIcon::Critical);
        closeLink();
        return false;
    }
    if (reply_.data[0] != app::kReplyOk) showText(lang::text::kNotAnswering);
    const bool collecting = app::SendLinkRequest(command_, reply_,
                                                 {app::kRequestExpansion, app::kExpansionSelector,
                                                  kRequestDataCollect, kDataCollectParameter});
    if (closing()) return false;
    if (!collecting) {
        showText(lang::text::kBadDataCollect);
        closeLink();
        return false;
    }
    return true;
}

// The status loop: status request, POLL, one tick's pause, until a POLL
// carries the end event. False when the run ends otherwise.
bool InitialiseSessionCore::followStatus() {
    for (bool ended = false; !ended;) {
        QCoreApplication::processEvents();
        if (closing()) return false;
        if (!requestStatus() || closing()) return false;
        app::SendLinkRequest(command_, reply_, {kRequestPoll});
        if (closing()) return false;
        if (reply_.data[0] != app::kReplyOk && reply_.data[0] != kReplyPollOk) {
            showText(lang::text::kNotAnswering);
            closeLink();
            return false;
        }
        for (int i = 1; i < reply_.length; ++i) {
            if (reply_.data[i] == kEventInitialisationDone) ended = true;
        }
        app::PauseTicks(clock_, 1);
        if (closing()) return false;
    }
    return true;
}

// The status once more after the end event, so the rows show the final
// states.
bool InitialiseSessionCore::finish() {
    if (!requestStatus() || closing()) return false;
    closeLink();
    showText(lang::text::kInitialisationComplete, MessageIcon::Information);
    return true;
}

// Rows of sensors the reply covers with all three of their bytes; the others
// keep what they show.
// One status request shown in the rows. False (with its message, the link
// closed) when the unit has no status function.
bool InitialiseSessionCore::requestStatus() {
    app::SendLinkRequest(command_, reply_,
                         {app::kRequestExpansion, app::kExpansionSelector, kRequestStatus});
    if (reply_.data[0] == kReplyNoDataFunction) {
        showText(lang::text::kNoDataFunction);
        closeLink();
        return false;
    }
    showStatusReply();
    return true;
}

void InitialiseSessionCore::showStatusReply() {
    const int covered = (reply_.length - 1) / kStatusBytesPerSensor;
    const int count = std::min(static_cast<int>(rows_.size()), std::max(covered, 0));
    for (int k = 0; k < count; ++k) {
        const std::uint8_t* bytes = reply_.data + 1 + kStatusBytesPerSensor * k;
        const CalibrationStatus status = DecodeCalibrationStatus(bytes[0]);
        SensorStatusRow& row = rows_[static_cast<std::size_t>(k)];
        row.status = app::Global::LangText(status.textId);
        row.colour = status.colour;
        row.failed = status.failed;
        row.gain1 = QString::number(bytes[1]);
        row.gain2 = QString::number(bytes[2]);
    }
    if (count > 0) emit changed();
}

void InitialiseSessionCore::closeLink() {
    app::Link().CloseComm();
    linkOpen_ = false;
}

void InitialiseSessionCore::unload() {
    if (linkOpen_) closeLink();
    const std::int16_t opened = app::OpenRamChannel(port_);
    if (opened == app::kSerialOk) {
        app::SendRamCommand(app::ram_command::kLeave);
        app::Serial().ClosePort();
    } else if (!portProblemShown_) {
        // A port already reported as unusable gets no second message.
        base::showMessage(app::Global::LangText(lang::text::kSerialPort) + u' ' +
                          app::Global::LangText(lang::text::kFailed) + u' ' +
                          app::SerialStatusText(opened));
    }
    emit changed();
}

}  // namespace zav::controls
