#pragma once
// The initialise-and-status window's logic without the window: it starts the
// validator's own initialisation and calibration over the link and follows
// each sensor's calibration status until the validator reports the end. The
// window renders caption(), rows() and startEnabled(); the command line and
// the tests drive it the same way. Runs on the user-interface thread; its
// waits keep the event loop running, so it can be closed during a run.
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "zav/app/session_view.h"
#include "zav/app/tool_session.h"
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
    bool failed = false;  // its calibration failed
};

class InitialiseSessionCore;

class InitialiseSession : public app::ToolSession {
    Q_OBJECT
  public:
    // `port` is the validator's port number; `tickLength` is the pause of
    // each pass of the status loop. The mouse pointer goes to `view` until
    // the session is deleted, messages to the program's message sink.
    InitialiseSession(std::int16_t port, std::chrono::milliseconds tickLength,
                      app::SessionView& view, QObject* parent = nullptr);

    // The Start button: clears the rows and runs the initialisation to its
    // end with Start disabled and the hourglass shown. Does nothing when
    // Start is not enabled now or the session is closed.
    void start() override;
    // How the last run ended: true only when it ended with
    // "Initialisation process complete".
    bool completed() const;

    QString caption() const;
    const std::vector<SensorStatusRow>& rows() const;
    bool startEnabled() const;
    const app::ValidatorData& validator() const;

  signals:
    // The caption, a row or the Start button changed.
    void changed();

  private:
    InitialiseSession(std::shared_ptr<InitialiseSessionCore> core, QObject* parent);

    std::shared_ptr<InitialiseSessionCore> core_;
};

}  // namespace zav::controls
