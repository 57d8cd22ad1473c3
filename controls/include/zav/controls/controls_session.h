#pragma once
// The controls window's logic without the window: preparation (identify the
// unit, load and enter the RAM utility, download the sensor gains, hold the
// RAM utility channel open), the actuator buttons, sensor polling and
// closing. The window renders panel() and forwards presses; the command line
// and the tests drive it the same way. Runs on the user-interface thread;
// its waits keep the event loop running.
#include <chrono>
#include <cstdint>
#include <memory>

#include "zav/app/session_view.h"
#include "zav/app/tool_session.h"
#include "zav/app/validator_data.h"
#include "zav/controls/control_panel.h"

namespace zav::controls {

// Ticks the preparation waits for the RAM utility download.
constexpr int kDownloadWaitTicks = 150;

class ControlsSessionCore;

class ControlsSession : public app::ToolSession {
    Q_OBJECT
  public:
    // `port` is the validator's port number for both channels; `tickLength`
    // is the clock of every wait and of the sensor poll. The status line
    // goes to `view` until the session is deleted, messages to the
    // program's message sink.
    ControlsSession(std::int16_t port, std::chrono::milliseconds tickLength, app::SessionView& view,
                    QObject* parent = nullptr);

    // The preparation, run to its end: identify the unit, load and enter the
    // RAM utility, download the sensor gains, hold the RAM utility channel
    // open; the panel then shows what the engineer may use. A unit without
    // sensor data, or a RAM utility channel that does not open, ends it
    // early with every button disabled. Ends at once when the session is
    // closed meanwhile.
    void start() override;

    // Presses a button. Returns false, doing nothing, when it is not usable
    // now (hidden, disabled, in a hidden frame); while a command awaits its
    // acknowledge the other acknowledged commands and Start are shown
    // disabled. OK and Cancel close the session.
    bool press(Control control);

    // Selects the sensor at list position `position` (from 1); polling asks
    // for it from the next tick on. False for a position outside the list.
    bool selectSensor(int position);

    const ControlPanel& panel() const;
    // The unit as identified (UnitType after the TM5-to-TM3 rule).
    const app::ValidatorData& validator() const;

  signals:
    // Something of panel() changed: buttons, frames, list, reading.
    void changed();

  private:
    ControlsSession(std::shared_ptr<ControlsSessionCore> core, QObject* parent);

    std::shared_ptr<ControlsSessionCore> core_;
};

}  // namespace zav::controls
