#include "zav/programming/programming_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include "ZavtekVLP.h"
#include "zav/app/command_layer.h"
#include "zav/app/event_wait.h"
#include "zav/app/link_api.h"
#include "zav/app/port_access_text.h"
#include "zav/app/ram_download_poll.h"
#include "zav/app/ram_utility_file.h"
#include "zav/app/session_lifetime.h"
#include "zav/app/tick_clock.h"
#include "zav/base/messages.h"

namespace zav::programming {
namespace {

// After the library's stop has had this long to end an echo wait, the
// transfer is ended through the port's close (the old format waits for no
// echo).
constexpr qint64 kStopGraceMs = 2000;
// A unit restarts into its new firmware before it answers again.
constexpr int kRestartTicks = 5;

struct CodeWords {
    std::int32_t code;
    const char* words;
};

constexpr CodeWords kResultWords[] = {
    {ZAV_DOWNLOAD_OPEN_FILE_ERROR, QT_TRANSLATE_NOOP("zav", "the file cannot be opened")},
    {ZAV_DOWNLOAD_READ_FILE_ERROR, QT_TRANSLATE_NOOP("zav", "the file cannot be read")},
    {ZAV_DOWNLOAD_NOT_ZAV_IMAGE,
     QT_TRANSLATE_NOOP("zav", "the file is not a program image (no \"ZAV\" mark)")},
    {ZAV_DOWNLOAD_PORT_OPEN_FAIL, QT_TRANSLATE_NOOP("zav", "the port cannot be opened")},
    {ZAV_DOWNLOAD_SYNC_FAIL, QT_TRANSLATE_NOOP("zav", "the unit did not answer SYNC")},
    {ZAV_DOWNLOAD_PROTECTED_IMAGE,
     QT_TRANSLATE_NOOP("zav", "old-format image of a type above 'c' (protected)")},
    {ZAV_DOWNLOAD_TRANSFER_FAIL,
     QT_TRANSLATE_NOOP("zav",
                       "the transfer failed: a time-out, a write failure, a "
                       "cancel or a refused block")},
    {ZAV_DOWNLOAD_PROGRAM_COMMAND_FAIL,
     QT_TRANSLATE_NOOP("zav",
                       "the unit refused the program command or the version "
                       "query")},
    {ZAV_DOWNLOAD_HEADER_FAIL,
     QT_TRANSLATE_NOOP("zav", "the unit refused the header or a block (0xF9)")},
    {ZAV_DOWNLOAD_END_COMMAND_FAIL,
     QT_TRANSLATE_NOOP("zav", "the unit refused the end-of-download command")},
    {ZAV_DOWNLOAD_RESET_FAIL, QT_TRANSLATE_NOOP("zav", "the unit refused the closing RESET")},
    {ZAV_DOWNLOAD_NOT_ALLOWED,
     QT_TRANSLATE_NOOP("zav",
                       "the unit's flash (type 2) takes no image older than "
                       "version 109")},
    {ZAV_DOWNLOAD_SPEED_CHECK_FAIL,
     QT_TRANSLATE_NOOP("zav", "the unit did not answer the speed check")},
};

constexpr CodeWords kStageWords[] = {
    {ZAV_DOWNLOAD_STAGE_IDLE, QT_TRANSLATE_NOOP("zav", "idle")},
    {ZAV_DOWNLOAD_STAGE_RAM_LOADER, QT_TRANSLATE_NOOP("zav", "sending the RAM loader")},
    {ZAV_DOWNLOAD_STAGE_STARTED, QT_TRANSLATE_NOOP("zav", "starting")},
    {ZAV_DOWNLOAD_STAGE_RECONNECTING, QT_TRANSLATE_NOOP("zav", "reconnecting")},
    {ZAV_DOWNLOAD_STAGE_HEADER, QT_TRANSLATE_NOOP("zav", "sending the header")},
    {ZAV_DOWNLOAD_STAGE_MAIN_CODE, QT_TRANSLATE_NOOP("zav", "sending the main code")},
    {ZAV_DOWNLOAD_STAGE_READING_FILE, QT_TRANSLATE_NOOP("zav", "reading the file")},
};

template <std::size_t N>
QString lookUp(const CodeWords (&table)[N], std::int32_t code) {
    for (const CodeWords& entry : table) {
        if (entry.code == code) return QCoreApplication::translate("zav", entry.words);
    }
    return QCoreApplication::translate("zav", "result 0x%1").arg(code, 0, 16);
}

}  // namespace

QString DownloadResultWords(std::int32_t code) {
    return lookUp(kResultWords, code);
}

QString StageWords(std::int32_t stage) {
    return lookUp(kStageWords, stage);
}

class ProgrammingSessionCore : public QObject {
    Q_OBJECT
  public:
    ProgrammingSessionCore(std::int16_t port, std::chrono::milliseconds tickLength,
                           app::SessionView& view)
        : port_(port), clock_(tickLength), lifetime_(clock_, view, [this] { unload(); }) {}

    app::SessionLifetime& lifetime() { return lifetime_; }

    bool choose(ImageFile file, bool fromFile);
    bool identify();
    void start();
    void cancel() {
        if (outcome_ == Outcome::Running) stopAsked_ = true;
    }

    bool startEnabled() const {
        return image_.check.summary && identity_ && outcome_ != Outcome::Running &&
               !lifetime_.closing();
    }

    const std::int16_t port_;
    app::TickClock clock_;
    app::SessionLifetime lifetime_;
    ImageFile image_;
    bool fromFile_ = false;
    std::optional<UnitIdentity> identity_;
    QString firmwareBefore_;
    QString firmwareAfter_;
    Progress progress_;
    Outcome outcome_ = Outcome::None;
    QString error_;
    std::int32_t result_ = 0;
    bool stopAsked_ = false;
    bool cancelled_ = false;
    double seconds_ = 0;
    LinkPacket command_{};
    LinkPacket reply_{};

  signals:
    void changed();
    void progressed();

  private:
    bool closing() const { return lifetime_.closing(); }
    std::optional<UnitIdentity> readIdentity();
    std::int32_t startTransfer();
    std::int32_t follow(QElapsedTimer& elapsed);
    void finish(std::int32_t result);
    void fail(Outcome outcome, QString error) {
        outcome_ = outcome;
        error_ = std::move(error);
    }
    void unload() { emit changed(); }
};

bool ProgrammingSessionCore::choose(ImageFile file, bool fromFile) {
    if (outcome_ == Outcome::Running) return false;
    image_ = std::move(file);
    fromFile_ = fromFile;
    const std::optional<ImageSummary>& summary = image_.check.summary;
    const bool standIn =
        summary &&
        (summary->standIn ||
         (fromFile && QFileInfo(image_.path).absoluteFilePath().startsWith(app::StandInFolder())));
    if (standIn && !app::PortIsSimulated(port_)) {
        image_.check = {std::nullopt,
                        {QCoreApplication::translate(
                             "zav", "a simulator image, and COM%1 is not a simulated port")
                             .arg(port_),
                         0}};
        image_.bytes.clear();
    }
    emit changed();
    return image_.check.summary.has_value();
}

// The unit's type and serial number, firmware and data set. The command
// layer shows what fails; the port is closed afterwards.
std::optional<UnitIdentity> ProgrammingSessionCore::readIdentity() {
    app::ValidatorData data;
    app::VersionData version;
    app::DatasetData dataset;
    if (app::ReadValidatorSensorData(port_, command_, reply_, data) == app::kReadFailed ||
        closing())
        return std::nullopt;
    const bool firmwareRead =
        app::ReadFullFirmware(port_, command_, reply_, version) == app::kReadOk;
    const bool datasetRead = firmwareRead && !closing() &&
                             app::ReadDatasetCode(port_, command_, reply_, dataset) == app::kReadOk;
    if (firmwareRead) app::Link().CloseComm();  // the reads leave the port open
    if (!firmwareRead || closing()) return std::nullopt;
    return UnitIdentity{data.UnitType, QString::number(data.SerialNumber, 'f', 0),
                        version.FullFirmware.trimmed(),
                        datasetRead ? dataset.DatasetCode.trimmed() : QString()};
}

bool ProgrammingSessionCore::identify() {
    if (outcome_ == Outcome::Running || closing()) return false;
    const app::SessionLifetime::Busy busy(lifetime_);
    lifetime_.view().setMousePointer(app::MousePointer::Hourglass);
    identity_ = readIdentity();
    lifetime_.view().setMousePointer(app::MousePointer::Arrow);
    if (identity_) firmwareBefore_ = identity_->firmware;
    emit changed();
    return identity_.has_value();
}

void ProgrammingSessionCore::start() {
    if (!startEnabled()) return;
    const app::SessionLifetime::Busy busy(lifetime_);
    outcome_ = Outcome::Running;
    error_.clear();
    firmwareAfter_.clear();
    stopAsked_ = cancelled_ = false;
    progress_ = {0, 0, StageWords(ZAV_DOWNLOAD_STAGE_STARTED)};
    result_ = 0;
    emit changed();
    lifetime_.view().setMousePointer(app::MousePointer::Hourglass);
    QElapsedTimer elapsed;
    elapsed.start();
    const std::int32_t started = startTransfer();
    if (started > ZAV_DOWNLOAD_DONE) {
        result_ = started;
        fail(Outcome::Refused, DownloadResultWords(started));
    } else {
        progress_.blocksTotal = started;
        emit progressed();
        finish(follow(elapsed));
    }
    seconds_ = static_cast<double>(elapsed.elapsed()) / 1000.0;
    lifetime_.view().setMousePointer(app::MousePointer::Arrow);
    emit changed();
}

std::int32_t ProgrammingSessionCore::startTransfer() {
    if (fromFile_) {
        const QByteArray name = QFile::encodeName(image_.path);
        return app::Link().DownloadFile(name.constData(), port_);
    }
    return app::Link().DownloadArrayData(
        reinterpret_cast<const std::uint8_t*>(image_.bytes.constData()), port_);
}

// Polls the transfer until its worker has ended; a cancel or a close stops
// it, first through the library's stop, then, for a transfer that waits
// for no echo, by closing its port. The image stays until then.
std::int32_t ProgrammingSessionCore::follow(QElapsedTimer& elapsed) {
    std::int32_t data = 0;
    qint64 stopAt = -1;
    const bool old = image_.check.summary->format == ImageFormat::OldFormat;
    app::EventWait(clock_).pollEvery(app::kDownloadPollInterval).until([&] {
        if ((stopAsked_ || closing()) && stopAt < 0) {
            cancelled_ = true;
            stopAt = elapsed.elapsed();
            app::Link().VLPKillWaitTime();
        } else if (stopAt >= 0 && elapsed.elapsed() - stopAt > kStopGraceMs) {
            app::Link().CloseComm();
        }
        data = app::Link().GetDownloadData();
        RamDownloadStatus status{};
        app::Link().GetRamDownloadStatus(&status);
        if (data < ZAV_DOWNLOAD_DONE) {
            progress_.blocksSent = data;
            const bool staged = !old && status.stage != ZAV_DOWNLOAD_STAGE_IDLE &&
                                status.stage != ZAV_DOWNLOAD_STAGE_READING_FILE;
            progress_.stage = old      ? QCoreApplication::translate("zav", "sending blocks")
                              : staged ? StageWords(status.stage)
                                       : progress_.stage;
            emit progressed();
        }
        return data >= ZAV_DOWNLOAD_DONE;
    });
    return data;
}

void ProgrammingSessionCore::finish(std::int32_t result) {
    result_ = result;
    if (result != ZAV_DOWNLOAD_DONE) {
        fail(Outcome::Failed,
             cancelled_ ? QCoreApplication::translate("zav",
                                                      "stopped on request: the unit may need "
                                                      "programming again")
                        : DownloadResultWords(result));
        return;
    }
    progress_.blocksSent = progress_.blocksTotal;
    progress_.stage = QCoreApplication::translate("zav", "identifying the unit again");
    emit progressed();
    app::PauseTicks(clock_, kRestartTicks);
    const std::optional<UnitIdentity> after = closing() ? std::nullopt : readIdentity();
    if (!after) {
        fail(Outcome::Failed,
             QCoreApplication::translate("zav", "the unit did not answer after the download"));
        return;
    }
    identity_ = after;
    firmwareAfter_ = after->firmware;
    progress_.stage = QCoreApplication::translate("zav", "done");
    outcome_ = Outcome::Programmed;
}

ProgrammingSession::ProgrammingSession(std::int16_t port, std::chrono::milliseconds tickLength,
                                       app::SessionView& view, QObject* parent)
    : ProgrammingSession(std::make_shared<ProgrammingSessionCore>(port, tickLength, view), parent) {
}

ProgrammingSession::ProgrammingSession(std::shared_ptr<ProgrammingSessionCore> core,
                                       QObject* parent)
    : ToolSession(core, parent), core_(std::move(core)) {
    connect(core_.get(), &ProgrammingSessionCore::changed, this, &ProgrammingSession::changed);
    connect(core_.get(), &ProgrammingSessionCore::progressed, this,
            &ProgrammingSession::progressed);
}

bool ProgrammingSession::chooseFile(const QString& path) {
    return core_->choose(ReadImageFile(path), true);
}

bool ProgrammingSession::chooseImage(const QByteArray& bytes, const QString& name) {
    ImageFile file{name, bytes,
                   CheckImage({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())})};
    return core_->choose(std::move(file), false);
}

// Whatever may wait holds the core, so it outlives this session if that is
// deleted meanwhile.
bool ProgrammingSession::identify() {
    const auto core = core_;
    return core->identify();
}

void ProgrammingSession::start() {
    const auto core = core_;
    core->start();
}

void ProgrammingSession::cancel() {
    core_->cancel();
}

bool ProgrammingSession::startEnabled() const {
    return core_->startEnabled();
}
bool ProgrammingSession::running() const {
    return core_->outcome_ == Outcome::Running;
}
QString ProgrammingSession::fileName() const {
    return core_->image_.path;
}
const std::optional<ImageSummary>& ProgrammingSession::image() const {
    return core_->image_.check.summary;
}
QString ProgrammingSession::imageRefusal() const {
    return core_->image_.check.refusal.reason;
}
const std::optional<UnitIdentity>& ProgrammingSession::identity() const {
    return core_->identity_;
}
QString ProgrammingSession::firmwareBefore() const {
    return core_->firmwareBefore_;
}
QString ProgrammingSession::firmwareAfter() const {
    return core_->firmwareAfter_;
}
Progress ProgrammingSession::progress() const {
    return core_->progress_;
}
Outcome ProgrammingSession::outcome() const {
    return core_->outcome_;
}
QString ProgrammingSession::error() const {
    return core_->error_;
}
std::int32_t ProgrammingSession::resultCode() const {
    return core_->result_;
}
bool ProgrammingSession::cancelled() const {
    return core_->cancelled_;
}
double ProgrammingSession::seconds() const {
    return core_->seconds_;
}

}  // namespace zav::programming

#include "programming_session.moc"
