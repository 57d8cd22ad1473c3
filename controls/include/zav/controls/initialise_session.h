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
#include <vector>

#include "ZavtekVLP.h"
#include "zav/app/session_view.h"
#include "zav/app/tick_clock.h"
#include "zav/app/validator_data.h"
#include "zav/controls/calibration_status.h"

namespace zav::controls {

// One row of the status list.
struct SensorStatusRow {
    QString sensor;
    QString status;  // empty until a status reply has covered the sensor
    Rgb colour;
    QString gain1;
    QString gain2;
};

class InitialiseSession : public QObject {
    Q_OBJECT
  public:
    // `port` is the validator's port number; `tickLength` is the pause of
    // each pass of the status loop (100 ms in the program). The mouse
    // pointer goes to `view`, messages to the program's message sink.
    InitialiseSession(std::int16_t port, std::chrono::milliseconds tickLength,
                      app::SessionView& view, QObject* parent = nullptr);
    // Closes the session if that has not happened yet.
    ~InitialiseSession() override;
    InitialiseSession(const InitialiseSession&) = delete;
    InitialiseSession& operator=(const InitialiseSession&) = delete;

    // The Start button: clears the rows and runs the initialisation to its
    // end with Start disabled and the hourglass shown. Returns true only
    // when it ended with "Initialisation process complete"; false also when
    // Start is not enabled now or the session is closed.
    bool start();

    // Ends a run at its next check (nothing more goes over the link once
    // the session has closed its port), then sends the RAM utility its leave
    // command 0x82 over the raw channel; a channel that does not open is
    // reported in a message. Never refused; once only.
    void close();
    bool isClosed() const { return closed_; }

    QString caption() const { return caption_; }
    const std::vector<SensorStatusRow>& rows() const { return rows_; }
    bool startEnabled() const { return startEnabled_; }
    const app::ValidatorData& validator() const { return data_; }

  signals:
    // The caption, a row or the Start button changed.
    void changed();

  private:
    bool initialiseAndFollow();
    bool startInitialisation();
    bool followStatus();
    bool finish();
    bool requestStatus();
    std::uint8_t readCapability();
    void prepareList();
    void showStatusReply();
    void closeLink();

    const std::int16_t port_;
    app::SessionView& view_;
    app::TickClock clock_;
    app::ValidatorData data_;
    app::VersionData version_;
    LinkPacket command_{};
    LinkPacket reply_{};
    QString caption_;
    std::vector<SensorStatusRow> rows_;
    bool startEnabled_ = true;
    bool linkOpen_ = false;  // the run holds the link port
    bool closed_ = false;
};

}  // namespace zav::controls
