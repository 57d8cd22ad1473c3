#pragma once
// The initialise-and-status window's logic without the window: it starts the
// validator's own initialisation and calibration over the link and follows
// each sensor's calibration status until the validator reports the end. The
// window renders caption(), rows() and startEnabled(); the command line and
// the tests drive it the same way. Runs on the user-interface thread; its
// waits keep the event loop running, so it can be closed during a run.
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "zav/app/session_view.h"
#include "zav/app/validator_data.h"
#include "zav/controls/calibration_status.h"

namespace zav::controls {

// One row of the status list.
struct SensorStatusRow {
    QString sensor;
    QString status;             // empty until a status reply has covered the sensor
    std::optional<Rgb> colour;  // none: the list's own text colour
    QString gain1;
    QString gain2;
};

class InitialiseSessionCore;

class InitialiseSession : public QObject {
    Q_OBJECT
  public:
    // `port` is the validator's port number; `tickLength` is the pause of
    // each pass of the status loop (100 ms in the program). The mouse
    // pointer goes to `view` until the session is deleted, messages to the
    // program's message sink.
    InitialiseSession(std::int16_t port, std::chrono::milliseconds tickLength,
                      app::SessionView& view, QObject* parent = nullptr);
    // Asks for the close (see requestClose); safe also during a run, which
    // then ends at its next check and unloads without this object or its
    // view.
    ~InitialiseSession() override;
    InitialiseSession(const InitialiseSession&) = delete;
    InitialiseSession& operator=(const InitialiseSession&) = delete;

    // The Start button: clears the rows and runs the initialisation to its
    // end with Start disabled and the hourglass shown. Returns true only
    // when it ended with "Initialisation process complete"; false also when
    // Start is not enabled now or the session is closed.
    bool start();

    // The window goes away however it was closed (never refused): a run
    // ends at its next check and sends nothing more over the link, which is
    // closed; then the RAM utility gets its leave command 0x82 over the raw
    // channel (a channel that does not open is reported in a message), and
    // closed() follows. Runs now, or once the run's wait in progress has
    // ended. Safe at any time; once only.
    void requestClose();
    void close() { requestClose(); }
    bool isClosed() const;

    QString caption() const;
    const std::vector<SensorStatusRow>& rows() const;
    bool startEnabled() const;
    const app::ValidatorData& validator() const;

  signals:
    // The caption, a row or the Start button changed.
    void changed();
    // After the unload; the window drops the session now (deleteLater).
    void closed();

  private:
    std::shared_ptr<InitialiseSessionCore> core_;
};

}  // namespace zav::controls
