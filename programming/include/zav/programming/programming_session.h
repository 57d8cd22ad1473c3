#pragma once
// The program download's logic without a window: the image is chosen and
// checked, the unit identified, then (once the engineer has confirmed) the
// download is started with the link library's call for the image, followed
// by polling its progress from a timer, stopped on request through the
// library's stop, and the unit identified again. The window and zavdiag
// render the same state. Runs on the user-interface thread; its waits keep
// the event loop running, so it can be cancelled or closed at any moment.
#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "zav/app/session_view.h"
#include "zav/app/tool_session.h"
#include "zav/programming/program_image.h"

namespace zav::programming {

// Who the unit says it is.
struct UnitIdentity {
    QString unitType;
    QString serialNumber;
    QString firmware;  // the 16-character text, trimmed
    QString dataset;
};

enum class Outcome {
    None,  // nothing run yet
    Running,
    Programmed,  // the download completed and the unit answered again
    Failed,      // the download, or the identification after it, failed
    Refused,     // the image, the unit or the start call refused it; nothing was sent
};

// The transfer as the last poll saw it.
struct Progress {
    std::int32_t blocksSent = 0;
    std::int32_t blocksTotal = 0;
    QString stage;  // in words
};

// The meaning of a start result (0x100001 to 0x100006) or a worker result
// (0x100010 to 0x100016), in words; any other value names its number.
QString DownloadResultWords(std::int32_t code);
// A stage of the reconnecting transfer in words (0x100000 to 0x100006).
QString StageWords(std::int32_t stage);

class ProgrammingSessionCore;

class ProgrammingSession : public app::ToolSession {
    Q_OBJECT
  public:
    // `port` is the unit's port; `tickLength` the clock of the session's
    // waits (the poll runs every 80 ms whatever it is).
    ProgrammingSession(std::int16_t port, std::chrono::milliseconds tickLength,
                       app::SessionView& view, QObject* parent = nullptr);

    // Reads and checks the file: false with imageRefusal() when it may not
    // be sent to this port. Sent later with DownloadFile.
    bool chooseFile(const QString& path);
    // An image in memory, checked the same way; sent with DownloadArrayData.
    bool chooseImage(const QByteArray& bytes, const QString& name);
    // Reads the unit's identity; false when it does not answer (a message
    // was shown).
    bool identify();

    // The download to its end: Start's button. Does nothing unless
    // startEnabled(). Returns once the transfer has ended and the unit was
    // identified again (or not).
    void start() override;
    // Cancel: the running transfer is stopped through the link library.
    void cancel();

    bool startEnabled() const;
    bool running() const;
    QString fileName() const;
    const std::optional<ImageSummary>& image() const;
    QString imageRefusal() const;
    const std::optional<UnitIdentity>& identity() const;
    QString firmwareBefore() const;
    QString firmwareAfter() const;
    Progress progress() const;
    Outcome outcome() const;
    // The last failure or refusal in words; empty when there is none.
    QString error() const;
    // The start or worker result of the last download; 0 before one.
    std::int32_t resultCode() const;
    bool cancelled() const;
    double seconds() const;  // the last transfer's time

  signals:
    // Anything shown changed: the image, the identity, the outcome, Start.
    void changed();
    // A poll saw the transfer.
    void progressed();

  private:
    ProgrammingSession(std::shared_ptr<ProgrammingSessionCore> core, QObject* parent);

    std::shared_ptr<ProgrammingSessionCore> core_;
};

}  // namespace zav::programming
